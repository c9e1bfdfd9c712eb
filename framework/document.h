#pragma once
// The document of a child window.
//
// Every view kind of the program opens on an empty document; the document's
// only common job is its name: the name a view was opened under is the path
// name and title of its document, and the child window's caption follows the
// title.  A view that retitles itself (the month grids do it at every
// repaint) calls SetPathName; the caption and the main frame's caption follow
// through titleChanged.
#include <QObject>
#include <QString>
#include <string>
#include <vector>

class CView;

class CDocument : public QObject {
  Q_OBJECT
 public:
  CDocument();
  ~CDocument() override;

  // A new, unnamed document.  The default does nothing and succeeds.
  virtual bool OnNewDocument();
  // Opening under a name.  The default reads nothing and succeeds.
  virtual bool OnOpenDocument(const std::string& pathName);
  // Saving under a name.  The default writes nothing and succeeds.
  virtual bool OnSaveDocument(const std::string& pathName);
  // Asked before the document's window closes, however it closes (its close
  // box, 閉じる, the main window's close box, the exit command).  A document
  // with unsaved text saves it here; false keeps the window open (a save
  // that failed, after telling the user).  The default allows closing.
  virtual bool CanCloseFrame();

  // While set, the program is ending with nobody to ask (a signal, the
  // session's logout): CanCloseFrame must not ask anything and must allow
  // closing, keeping unsaved text wherever it can.
  static void SetNobodyToAsk(bool nobody);
  static bool NobodyToAsk();

  // The name becomes the path name and the title.  The program's names are
  // window titles, not file paths, so nothing is resolved against the file
  // system and no recent-file list is kept.
  void SetPathName(const std::string& pathName);
  void SetTitle(const std::string& title);
  const std::string& GetPathName() const { return pathName_; }
  const std::string& GetTitle() const { return title_; }

  // Asks every view of the document except `sender` to update.
  void UpdateAllViews(CView* sender = nullptr);

  void AddView(CView* view);
  void RemoveView(CView* view);
  const std::vector<CView*>& Views() const { return views_; }

 signals:
  void titleChanged(const QString& title);

 private:
  std::string pathName_;
  std::string title_;
  std::vector<CView*> views_;
};
