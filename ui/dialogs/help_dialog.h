#pragma once
// CHelpDialog: the help viewer "簡易ヘルプ" (dialog 102), a modal window
// over the topic file.  The text pane shows the current topic with every
// other topic's name in blue; the pointer on a name previews that topic in
// the lower pane; a click follows it, and the caption names the topic
// shown.  Back and forward (the arrows, Alt+Left / Alt+Right, the mouse's
// back and forward buttons) walk a history of up to 100 topics; three lists open a topic by its keys.  What it shows
// and how it moves is korvane::HelpBrowser; this class paints it and turns
// the user's input into its calls.
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QRect>
#include <array>
#include <string>
#include <vector>

#include "content/help_content.h"

class QComboBox;
class QLabel;
class QScrollBar;

class CHelpDialog;

// A pane of lines 12 pixels apart: the text pane (with its links) or the
// preview pane.  It paints what the dialog's browser holds.
class CHelpPane : public QFrame {
  Q_OBJECT
 public:
  CHelpPane(CHelpDialog* dialog, bool preview);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CHelpDialog* dialog_;
  bool preview_;
};

class CHelpDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kLineHeight = 12;
  static constexpr int kMargin = 2;

  explicit CHelpDialog(QWidget* parent = nullptr);
  // Creation: loads the topic file at `path` and shows `topic`; the
  // caption names `subtitle`.  False (with the message shown) when the
  // dialog must not open.
  bool Create(const std::string& path, const std::string& topic, const std::string& subtitle);

  korvane::HelpBrowser& Browser() { return browser_; }
  const QFont& PaneFont() const { return font_; }

  // A link of the text pane where it is drawn, in the pane's coordinates.
  struct LinkArea {
    QRect rect;
    std::string target;
  };
  std::vector<LinkArea> TextLinks() const;

  CHelpPane* TextPane() const { return textPane_; }
  CHelpPane* PreviewPane() const { return previewPane_; }
  QScrollBar* TextScrollBar() const { return textBar_; }
  QScrollBar* PreviewScrollBar() const { return previewBar_; }
  QComboBox* KeywordList(int level) const { return lists_[level - 1]; }
  QLabel* PreviewKeyword(int level) const { return previewKeys_[level - 1]; }
  QLabel* BackButton() const { return back_; }
  QLabel* ForwardButton() const { return forward_; }
  // Which arrow each button shows: 201/203 enabled, 202/204 disabled.
  int BackBitmap() const { return browser_.CanGoBack() ? 201 : 202; }
  int ForwardBitmap() const { return browser_.CanGoForward() ? 203 : 204; }

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void RefreshPreview();
  void OnScroll(QScrollBar* bar, bool preview, int action);
  // Back (false) or forward in the history, with the beep at its end.
  void GoBy(bool forward);

  korvane::HelpBrowser browser_;
  QFont font_;
  CHelpPane* textPane_ = nullptr;
  CHelpPane* previewPane_ = nullptr;
  QScrollBar* textBar_ = nullptr;
  QScrollBar* previewBar_ = nullptr;
  std::array<QComboBox*, 3> lists_{};
  std::array<QLabel*, 3> previewKeys_{};
  QLabel* back_ = nullptr;
  QLabel* forward_ = nullptr;
  QRect hoveredRect_;
  std::string subtitle_;
};

namespace korvane {
// The help runner of the shell: the viewer on `path` at `topic`, modally.
void RunHelpDialog(QWidget* owner, const std::string& path, const std::string& topic,
                   const std::string& subtitle);
}  // namespace korvane
