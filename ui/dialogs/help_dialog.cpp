#include "ui/dialogs/help_dialog.h"

#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScrollBar>
#include <QShortcut>

#include "engine/message_hook.h"
#include "render/font_maker.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"

using korvane::HelpBrowser;
using korvane::HelpScroll;

namespace {

QString Text(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())); }

// The four arrows of the history buttons (201 back, 203 forward, 202 and
// 204 their disabled looks).
QPixmap Arrow(QSize size, bool forward, bool enabled) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal w = size.width(), h = size.height();
  QPainterPath path;
  if (forward) {
    path.moveTo(1, 1);
    path.lineTo(w - 1, h / 2);
    path.lineTo(1, h - 1);
  } else {
    path.moveTo(w - 1, 1);
    path.lineTo(1, h / 2);
    path.lineTo(w - 1, h - 1);
  }
  path.closeSubpath();
  painter.fillPath(path, enabled ? QColor(0, 0, 255) : QColor(160, 160, 160));
  return pixmap;
}

}  // namespace

// ---------------------------------------------------------------- panes

CHelpPane::CHelpPane(CHelpDialog* dialog, bool preview)
    : QFrame(dialog), dialog_(dialog), preview_(preview) {
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Qt::white);
  setPalette(palette);
  // The dialog follows the pointer over the panes itself.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CHelpPane::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.setFont(dialog_->PaneFont());
  const QFontMetrics metrics(dialog_->PaneFont());
  const int m = CHelpDialog::kMargin;
  auto baseline = [&](int row) { return m + row * CHelpDialog::kLineHeight + metrics.ascent(); };
  const HelpBrowser& browser = dialog_->Browser();
  if (preview_) {
    painter.setPen(Qt::black);
    int row = 0;
    for (const std::string& line : browser.VisiblePreviewLines()) painter.drawText(m, baseline(row++), Text(line));
    return;
  }
  int row = 0;
  for (const korvane::HelpLine& line : browser.VisibleLines()) {
    painter.setPen(Qt::black);
    painter.drawText(m, baseline(row), Text(line.text));
    painter.setPen(QColor(0, 0, 255));
    for (const korvane::HelpLink& link : line.links) {
      const int x = m + metrics.horizontalAdvance(Text(line.text.substr(0, link.offset)));
      painter.drawText(x, baseline(row), Text(link.text));
    }
    ++row;
  }
}

// ---------------------------------------------------------------- dialog

CHelpDialog::CHelpDialog(QWidget* parent) : QDialog(parent) {
  const QFont dialogFont = korvane::DialogFont();
  setFont(dialogFont);
  auto place = [&dialogFont](QWidget* widget, int x, int y, int w, int h) {
    widget->setGeometry(korvane::DialogUnitsToPixels(dialogFont, x, y, w, h));
  };
  setFixedSize(korvane::DialogUnitsToPixels(dialogFont, 0, 0, 329, 221).size());
  setMouseTracking(true);

  LogFont logFont = FontMaker::DefaultLogFont();
  logFont.height = -kLineHeight;
  CFont paneFont;
  font_ = paneFont.CreateFontIndirect(logFont) ? paneFont.Font() : dialogFont;

  place(new QLabel(QStringLiteral("検索"), this), 0, 0, 15, 8);
  const int listX[3] = {20, 100, 180};
  const char* listIds[3] = {"1002", "1004", "1006"};
  for (int i = 0; i < 3; ++i) {
    lists_[i] = new QComboBox(this);
    lists_[i]->setObjectName(listIds[i]);
    place(lists_[i], listX[i], 0, 75, 12);
    lists_[i]->setMaxVisibleItems(10);
    // A topic without a key of this level shows the placeholder, which is
    // no item of the list.
    lists_[i]->setPlaceholderText(QString::fromUtf8(HelpBrowser::kNoKey));
    connect(lists_[i], qOverload<int>(&QComboBox::activated), this, [this, i](int index) {
      browser_.ChooseKeyword(i + 1, index);
      hoveredRect_ = {};
      Refresh();
    });
  }
  back_ = new QLabel(this);
  back_->setObjectName("1024");
  place(back_, 275, 5, 9, 10);
  forward_ = new QLabel(this);
  forward_->setObjectName("1030");
  place(forward_, 290, 5, 9, 10);
  for (QLabel* button : {back_, forward_}) {
    button->setAttribute(Qt::WA_TransparentForMouseEvents);
    button->setScaledContents(true);
  }

  textPane_ = new CHelpPane(this, false);
  textPane_->setObjectName("1019");
  place(textPane_, 0, 15, 310, 125);
  textBar_ = new QScrollBar(Qt::Vertical, this);
  textBar_->setObjectName("1017");
  place(textBar_, 310, 15, 10, 125);

  place(new QLabel(QStringLiteral("参照"), this), 0, 145, 15, 8);
  const int keyX[3] = {20, 95, 170};
  const char* keyIds[3] = {"1009", "1012", "1015"};
  for (int i = 0; i < 3; ++i) {
    previewKeys_[i] = new QLabel(this);
    previewKeys_[i]->setObjectName(keyIds[i]);
    previewKeys_[i]->setFrameStyle(QFrame::Box | QFrame::Plain);
    previewKeys_[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
    place(previewKeys_[i], keyX[i], 145, 70, 10);
  }
  previewPane_ = new CHelpPane(this, true);
  previewPane_->setObjectName("1022");
  place(previewPane_, 0, 155, 310, 65);
  previewBar_ = new QScrollBar(Qt::Vertical, this);
  previewBar_->setObjectName("1023");
  place(previewBar_, 310, 155, 10, 65);

  // Alt+Left / Alt+Right walk the history as the arrows above the text do,
  // wherever the focus is in the viewer.
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, this,
          [this] { GoBy(false); });
  connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, this,
          [this] { GoBy(true); });
  connect(textBar_, &QAbstractSlider::actionTriggered, this,
          [this](int action) { OnScroll(textBar_, false, action); });
  connect(previewBar_, &QAbstractSlider::actionTriggered, this,
          [this](int action) { OnScroll(previewBar_, true, action); });
}

bool CHelpDialog::Create(const std::string& path, const std::string& topic,
                         const std::string& subtitle) {
  {
    korvane::CWaitCursor wait;
    if (!browser_.Open(path, topic)) return false;
  }
  subtitle_ = subtitle;
  for (int level = 1; level <= 3; ++level) {
    QComboBox* list = lists_[level - 1];
    list->clear();
    for (const std::string& item : browser_.KeywordItems(level)) list->addItem(Text(item));
  }
  Refresh();
  return true;
}

void CHelpDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The pointer starts where the reading starts.
  QCursor::setPos(textPane_->mapToGlobal(QPoint(0, 0)));
}

void CHelpDialog::Refresh() {
  // The caption names the topic shown; the first names what the caller asked for.
  const std::string name = browser_.HistoryCount() > 1 ? browser_.CurrentName() : subtitle_;
  QString caption = QStringLiteral("簡易ヘルプ V1.03");
  if (!name.empty()) caption += QStringLiteral(" - ") + Text(name);
  setWindowTitle(caption);
  auto setBar = [](QScrollBar* bar, bool enabled, int last, int page, int value) {
    bar->setEnabled(enabled);
    bar->setRange(0, enabled ? last : 0);
    bar->setPageStep(page);
    bar->setSliderPosition(value);
  };
  setBar(textBar_, browser_.TextScrollEnabled(), browser_.LastFirstLine(), HelpBrowser::kTextLines,
         browser_.FirstLine());
  const QSize arrow = back_->size();
  back_->setPixmap(Arrow(arrow, false, browser_.CanGoBack()));
  forward_->setPixmap(Arrow(arrow, true, browser_.CanGoForward()));
  for (int level = 1; level <= 3; ++level) lists_[level - 1]->setCurrentIndex(browser_.KeywordSelection(level));
  if (browser_.Hovered().empty()) {
    for (QLabel* field : previewKeys_) field->clear();
  }
  textPane_->update();
  RefreshPreview();
  textBar_->setFocus();
}

void CHelpDialog::RefreshPreview() {
  previewBar_->setEnabled(browser_.PreviewScrollEnabled());
  previewBar_->setRange(0, browser_.PreviewScrollEnabled() ? browser_.PreviewLastFirstLine() : 0);
  previewBar_->setPageStep(HelpBrowser::kPreviewLines);
  previewBar_->setSliderPosition(browser_.PreviewFirstLine());
  if (!browser_.Hovered().empty()) {
    for (int level = 1; level <= 3; ++level)
      previewKeys_[level - 1]->setText(Text(browser_.PreviewKeyword(level)));
  }
  previewPane_->update();
}

void CHelpDialog::OnScroll(QScrollBar* bar, bool preview, int action) {
  HelpScroll request = HelpScroll::Other;
  if (action == QAbstractSlider::SliderSingleStepSub) request = HelpScroll::LineUp;
  else if (action == QAbstractSlider::SliderSingleStepAdd) request = HelpScroll::LineDown;
  else if (action == QAbstractSlider::SliderMove) request = HelpScroll::Position;
  if (preview) {
    browser_.ScrollPreview(request, bar->sliderPosition());
    bar->setSliderPosition(browser_.PreviewFirstLine());
    previewPane_->update();
    return;
  }
  browser_.ScrollText(request, bar->sliderPosition());
  hoveredRect_ = {};
  bar->setSliderPosition(browser_.FirstLine());
  textPane_->update();
}

std::vector<CHelpDialog::LinkArea> CHelpDialog::TextLinks() const {
  std::vector<LinkArea> areas;
  const QFontMetrics metrics(font_);
  int row = 0;
  for (const korvane::HelpLine& line : browser_.VisibleLines()) {
    for (const korvane::HelpLink& link : line.links) {
      const int x = kMargin + metrics.horizontalAdvance(Text(line.text.substr(0, link.offset)));
      areas.push_back({QRect(x, kMargin + row * kLineHeight, metrics.horizontalAdvance(Text(link.text)),
                             kLineHeight),
                       link.text});
    }
    ++row;
  }
  return areas;
}

void CHelpDialog::mouseMoveEvent(QMouseEvent* event) {
  browser_.ResetPreviewScroll();
  const QPoint at = textPane_->mapFrom(this, event->position().toPoint());
  if (!hoveredRect_.isNull() && hoveredRect_.contains(at)) {
    RefreshPreview();
    return;
  }
  for (const LinkArea& link : TextLinks()) {
    if (!link.rect.contains(at)) continue;
    hoveredRect_ = link.rect;
    browser_.Hover(link.target);
    break;
  }
  RefreshPreview();
}

void CHelpDialog::GoBy(bool forward) {
  if (!(forward ? browser_.Forward() : browser_.Back())) {
    korvane::Beep();
    return;
  }
  hoveredRect_ = {};
  Refresh();
}

void CHelpDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::BackButton) return GoBy(false);
  if (event->button() == Qt::ForwardButton) return GoBy(true);
  if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
  browser_.ResetPreviewScroll();
  const QPoint at = event->position().toPoint();
  bool moved = false;
  if (forward_->geometry().contains(at) && browser_.CanGoForward()) {
    moved = browser_.Forward();
  } else if (back_->geometry().contains(at) && browser_.CanGoBack()) {
    moved = browser_.Back();
  } else {
    const QPoint inPane = textPane_->mapFrom(this, at);
    for (const LinkArea& link : TextLinks()) {
      if (link.rect.contains(inPane)) {
        browser_.FollowLink(link.target);
        moved = true;
        break;
      }
    }
  }
  if (!moved) {
    korvane::Beep();
    RefreshPreview();
    return;
  }
  hoveredRect_ = {};
  Refresh();
}

namespace korvane {

void RunHelpDialog(QWidget* owner, const std::string& path, const std::string& topic,
                   const std::string& subtitle) {
  CHelpDialog dialog(owner);
  if (!dialog.Create(path, topic, subtitle)) return;
  DoModal(dialog);
}

}  // namespace korvane
