#include "platform/help_viewer/help_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include "platform/help_viewer/help_place.h"

namespace tessera::help {

namespace {

constexpr int kPreferredWidth = 760;
constexpr int kPreferredHeight = 860;

// The desktop's icon for an action, else the style's.
QIcon ThemeIcon(const char* name, QStyle::StandardPixmap fallback) {
  return QIcon::fromTheme(QString::fromLatin1(name), QApplication::style()->standardIcon(fallback));
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QMainWindow(parent),
      browser_(new QTextBrowser(this)),
      back_(new QAction(ThemeIcon("go-previous", QStyle::SP_ArrowBack), tr("&Back"), this)),
      forward_(new QAction(ThemeIcon("go-next", QStyle::SP_ArrowForward), tr("&Forward"), this)),
      home_(new QAction(ThemeIcon("go-home", QStyle::SP_DirHomeIcon), tr("&Home"), this)) {
  setCentralWidget(browser_);
  browser_->setOpenExternalLinks(true);
  browser_->setOpenLinks(true);

  back_->setShortcuts(QKeySequence::Back);
  forward_->setShortcuts(QKeySequence::Forward);
  home_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(home_, &QAction::triggered, this, [this] {
    if (home_url_.isValid()) browser_->setSource(home_url_);
  });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::UpdateTitle);

  auto* bar = addToolBar(tr("Navigation"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  bar->addAction(back_);
  bar->addAction(forward_);
  bar->addAction(home_);

  auto* close = new QAction(tr("Close"), this);
  close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);

  // Where it stood last time (moved onto a screen if that one is gone),
  // else a size that fits this screen.
  const auto place = LoadHelpWindowPlace();
  if (!place || !restoreGeometry(*place)) {
    const QScreen* screen = this->screen();
    resize(FittingSize(screen ? screen->availableGeometry().size()
                              : QSize(kPreferredWidth, kPreferredHeight)));
  }
  setWindowTitle(tr("Help"));
}

void HelpWindow::closeEvent(QCloseEvent* event) {
  StoreHelpWindowPlace(saveGeometry());
  QMainWindow::closeEvent(event);
}

QSize HelpWindow::FittingSize(const QSize& available) {
  // Nine tenths of the screen at most, so the window's frame fits too.
  return QSize(std::min(kPreferredWidth, available.width() * 9 / 10),
               std::min(kPreferredHeight, available.height() * 9 / 10));
}

void HelpWindow::Open(const QString& hostPath, const QString& anchor) {
  const QFileInfo file(hostPath);
  if (!file.isFile()) {
    ShowMissing(hostPath);
    return;
  }
  QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
  if (!anchor.isEmpty()) url.setFragment(anchor);
  if (!home_url_.isValid()) home_url_ = url;
  browser_->setSource(url);
}

void HelpWindow::ShowMissing(const QString& hostPath) {
  browser_->setHtml(
      QStringLiteral("<h2>%1</h2><p>%2</p>")
          .arg(tr("Help is not available"),
               tr("The help file %1 cannot be found.").arg(hostPath.toHtmlEscaped())));
  setWindowTitle(tr("Help"));
}

void HelpWindow::UpdateTitle() {
  const QString page = browser_->documentTitle();
  setWindowTitle(page.isEmpty() ? tr("Help") : page + QStringLiteral(" - ") + tr("Help"));
}

}  // namespace tessera::help
