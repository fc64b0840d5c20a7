// The file browser driven with keys and clicks in its three modes, and
// the Save dialog writing files and refusing bad names.
#include "browser/dialog/browser_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "browser/browser_settings.h"
#include "browser/dialog/file_list_model.h"
#include "shell/format.h"
#include "shell/resources.h"
#include "shell/shell_context.h"
#include "support/temp_root.h"
#include "test_suites.h"
#include "ui/save_text_dialog.h"
#include "window_fixture.h"

using tessera::browser::BrowseMode;
using tessera::browser::BrowserDialog;
using tessera::browser::BrowseRequest;
using tessera::testing::Q;
using tessera::testing::TempRoot;

namespace {

// Runs act on the next modal widget of type T once it shows; with the
// dialog open, the test's own code does not run until it closes. Each try
// schedules the next with what it knows, so nothing refers to itself.
template <typename T>
void WhenModal(std::function<void(T*)> act, int tries = 0) {
  QTimer::singleShot(tries == 0 ? 0 : 10, [act = std::move(act), tries] {
    if (auto* wanted = qobject_cast<T*>(QApplication::activeModalWidget()); wanted) {
      act(wanted);
      return;
    }
    if (tries + 1 < 200) WhenModal<T>(act, tries + 1);
  });
}

// Answers the next `count` message boxes with button (their default when
// none is given) and keeps their texts.
void AnswerMessages(QStringList* texts, int count,
                    QMessageBox::StandardButton button = QMessageBox::NoButton, int tries = 0) {
  QTimer::singleShot(tries == 0 ? 0 : 10, [=] {
    int left = count;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box && box->isVisible() && !box->property("answered").toBool()) {
      box->setProperty("answered", true);
      texts->append(box->text());
      QAbstractButton* chosen =
          button == QMessageBox::NoButton ? box->defaultButton() : box->button(button);
      chosen ? chosen->click() : box->accept();
      if (--left == 0) return;
    }
    if (tries + 1 < 500) AnswerMessages(texts, left, button, tries + 1);
  });
}

// Letters typed after a pause, so that they start a new search of the list.
void TypeAhead(QWidget* list, const QString& letters) {
  QTest::qWait(QApplication::keyboardInputInterval() + 50);
  QTest::keyClicks(list, letters);
}

// A key of the browser's own, pressed in its list: they are shortcuts of
// its window, which the message boxes before may have made inactive.
void PressInList(BrowserDialog& dialog, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
  QApplication::setActiveWindow(&dialog);
  dialog.listView()->setFocus();
  QTest::keyClick(dialog.listView(), key, modifiers);
}

QString Shown(BrowserDialog& dialog, int row) {
  return dialog.model()->data(dialog.model()->index(row, 0), Qt::DisplayRole).toString();
}

QStringList ShownNames(BrowserDialog& dialog) {
  QStringList names;
  for (int row = 0; row < dialog.model()->rowCount(); ++row) names << Shown(dialog, row);
  return names;
}

QString Message(std::uint32_t id, const std::u16string& path = {}) {
  return Q(tessera::FormatMessage(tessera::LoadResourceString(id), {path}));
}

class BrowserDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    root_ = std::make_unique<TempRoot>();
    tessera::browser::CurrentBrowserSettings() = {};
    root_->WriteHostFile(root_->Host("\\Docs\\b.txt"), "bb");
    root_->WriteHostFile(root_->Host("\\Docs\\a.txt"), "a");
    root_->WriteHostFile(root_->Host("\\Docs\\Sub\\c.txt"), "c");
  }
  void cleanup() { root_.reset(); }

  void OpenNavigatesWithKeysAndChoosesAFile() {
    BrowseRequest request;
    request.folder = u"\\";
    BrowserDialog dialog(request);
    dialog.show();
    QAbstractItemView* list = dialog.listView();
    list->setFocus();
    // Type-ahead finds the folder, Enter opens it.
    TypeAhead(list, QStringLiteral("Do"));
    QCOMPARE(Shown(dialog, list->currentIndex().row()), QStringLiteral("Docs"));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(Q(dialog.folder()), QStringLiteral("\\Docs"));
    QCOMPARE(dialog.location()->text(), QStringLiteral("\\Docs"));
    // Folders above files, ".." first.
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "a.txt", "b.txt"}));
    QTest::keyClick(dialog.listView(), Qt::Key_Return);  // ".." is current: up again
    QCOMPARE(Q(dialog.folder()), QStringLiteral("\\"));
    QTest::keyClick(dialog.listView(), Qt::Key_Return);  // back into Docs, selected on the way up
    QCOMPARE(Q(dialog.folder()), QStringLiteral("\\Docs"));
    TypeAhead(dialog.listView(), QStringLiteral("Su"));
    QTest::keyClick(dialog.listView(), Qt::Key_Return);
    QCOMPARE(Q(dialog.folder()), QStringLiteral("\\Docs\\Sub"));
    QTest::keyClick(dialog.listView(), Qt::Key_Backspace);
    QCOMPARE(Q(dialog.folder()), QStringLiteral("\\Docs"));
    QCOMPARE(Shown(dialog, dialog.listView()->currentIndex().row()), QStringLiteral("Sub"));
    TypeAhead(dialog.listView(), QStringLiteral("b"));
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("b.txt"));
    QTest::keyClick(dialog.listView(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Q(dialog.choice().path), QStringLiteral("\\Docs\\b.txt"));
    QVERIFY(!dialog.choice().isDirectory);
  }

  void OpenRefusesANameThatDoesNotExist() {
    BrowseRequest request;
    request.folder = u"\\Docs";
    BrowserDialog dialog(request);
    dialog.show();
    QStringList said;
    AnswerMessages(&said, 1);
    dialog.nameEdit()->setText(QStringLiteral("gone.txt"));
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(said, QStringList({Message(30402, u"\\Docs\\gone.txt")}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
  }

  void SelectPathWithoutANameChoosesTheFolderShown() {
    BrowseRequest request;
    request.mode = BrowseMode::SelectPath;
    request.folder = u"\\docs\\sub";  // shown as the device spells it
    BrowserDialog dialog(request);
    dialog.show();
    QCOMPARE(Q(dialog.folder()), QStringLiteral("\\Docs\\Sub"));
    dialog.nameEdit()->clear();
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Q(dialog.choice().path), QStringLiteral("\\Docs\\Sub"));
    QVERIFY(dialog.choice().isDirectory);
  }

  void SaveOffersTheProposedNameAndTakesANewOne() {
    BrowseRequest request;
    request.mode = BrowseMode::Save;
    request.folder = u"\\Docs";
    request.proposedName = u"新規ログ(1).txt";
    BrowserDialog dialog(request);
    dialog.show();
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("新規ログ(1).txt"));
    // The name without its extension is ready to be typed over.
    QCOMPARE(dialog.nameEdit()->selectedText(), QStringLiteral("新規ログ(1)"));
    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("today"));
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Q(dialog.choice().path), QStringLiteral("\\Docs\\today.txt"));
  }

  void ClickingAColumnTwiceFlipsTheOrderFoldersStayOnTop() {
    BrowseRequest request;
    request.folder = u"\\Docs";
    BrowserDialog dialog(request);
    dialog.show();
    dialog.SetListStyle(tessera::browser::kListStyleDetail);
    auto* detail = qobject_cast<QTreeView*>(dialog.listView());
    QVERIFY(detail);
    QHeaderView* header = detail->header();
    const auto click = [&](int section) {
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
    };
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "a.txt", "b.txt"}));
    click(0);  // the name is in force: the direction flips
    QVERIFY(!dialog.sortState().ascending);
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "b.txt", "a.txt"}));
    click(0);
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "a.txt", "b.txt"}));
    click(1);  // another key keeps the direction: the larger file last
    QCOMPARE(dialog.sortState().key, 1);
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "a.txt", "b.txt"}));
    click(1);
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "b.txt", "a.txt"}));
    QCOMPARE(tessera::browser::CurrentBrowserSettings().sortKey, 1);
  }

  void CopyAndPasteInTheSameFolderMakesTheDuplicateName() {
    BrowseRequest request;
    request.folder = u"\\Docs";
    BrowserDialog dialog(request);
    dialog.show();
    dialog.SelectNames({u"a.txt"});
    PressInList(dialog, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(dialog.clipboard().names.size(), std::size_t{1});
    PressInList(dialog, Qt::Key_V, Qt::ControlModifier);
    QVERIFY(ShownNames(dialog).contains(QStringLiteral("コピー ～ a.txt")));
    QVERIFY(QFile::exists(QString::fromStdString(root_->Host("\\Docs\\コピー ～ a.txt"))));
    // Delete asks first; No (the default) keeps the file.
    dialog.SelectNames({u"コピー ～ a.txt"});
    QStringList said;
    AnswerMessages(&said, 1);
    PressInList(dialog, Qt::Key_Delete);
    QCOMPARE(said, QStringList({Message(30400)}));
    QVERIFY(QFile::exists(QString::fromStdString(root_->Host("\\Docs\\コピー ～ a.txt"))));
    AnswerMessages(&said, 1, QMessageBox::Yes);
    PressInList(dialog, Qt::Key_Delete);
    QCOMPARE(said.size(), 2);
    QVERIFY(!ShownNames(dialog).contains(QStringLiteral("コピー ～ a.txt")));
    QVERIFY(!QFile::exists(QString::fromStdString(root_->Host("\\Docs\\コピー ～ a.txt"))));
  }

  void TheFilterListComesFromTheFilterText() {
    BrowseRequest request;
    request.folder = u"\\Docs";
    request.filter = u"Notes (*.txt)|*.txt|Batch (*.bat)|*.bat||";
    request.filterIndex = 2;
    root_->WriteHostFile(root_->Host("\\Docs\\go.bat"), "x");
    BrowserDialog dialog(request);
    dialog.show();
    QCOMPARE(dialog.filterBox()->count(), 2);
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "go.bat"}));
    dialog.filterBox()->setCurrentIndex(0);
    QCOMPARE(ShownNames(dialog), QStringList({"..", "Sub", "a.txt", "b.txt"}));
    QCOMPARE(dialog.filterIndex(), 1);
  }

 private:
  std::unique_ptr<TempRoot> root_;
};

class SaveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    root_ = std::make_unique<TempRoot>();
    tessera::browser::CurrentBrowserSettings() = {};
    context_ = tessera::ShellContext();
    context_.Set(tessera::kCurDir, u"\\Temp");
    QDir().mkpath(QString::fromStdString(root_->Host("\\Temp")));
  }
  void cleanup() { root_.reset(); }

  void UnicodeSavesTheMarkAndTheText() {
    tessera::ui::SaveTextDialog dialog(u"ab", context_, filterIndex_, QFont());
    dialog.show();
    QCOMPARE(dialog.preview()->toPlainText(), QStringLiteral("ab"));
    QVERIFY(dialog.preview()->isReadOnly());
    QVERIFY(dialog.unicodeButton()->isChecked());
    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("out.txt"));
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(static_cast<QDialog&>(dialog).result(), int(QDialog::Accepted));
    QCOMPARE(Read("\\Temp\\out.txt"), QByteArray("\xFF\xFE\x61\x00\x62\x00", 6));
  }

  void ShiftJisSavesWithoutAMark() {
    // The device's ANSI code page is 932 unless TESSERA_ACP says otherwise.
    tessera::ui::SaveTextDialog dialog(u"a\u3042", context_, filterIndex_, QFont());
    dialog.show();
    dialog.shiftJisButton()->click();
    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("\\sj.txt"));
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(Read("\\sj.txt"), QByteArray("a\x82\xA0"));
  }

  void BadNamesAreRefusedWithTheirMessageAndTheDialogStays() {
    tessera::ui::SaveTextDialog dialog(u"ab", context_, filterIndex_, QFont());
    dialog.show();
    QStringList said;
    AnswerMessages(&said, 1);
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(said, QStringList({Message(40020)}));
    QVERIFY(dialog.isVisible());
    QDir().mkpath(QString::fromStdString(root_->Host("\\Temp\\folder")));
    AnswerMessages(&said, 1);
    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("folder"));
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(said.value(1), Message(40010, u"\\Temp\\folder"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(static_cast<QDialog&>(dialog).result(), int(QDialog::Rejected));
  }

  void TwoMissingFoldersAreAskedForAndCreated() {
    tessera::ui::SaveTextDialog dialog(u"ab", context_, filterIndex_, QFont());
    dialog.show();
    QStringList asked;
    AnswerMessages(&asked, 2, QMessageBox::Yes);
    QTest::keyClicks(dialog.nameEdit(), QStringLiteral("\\A\\B\\log.txt"));
    QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
    QCOMPARE(asked, QStringList({Message(40021, u"\\A"), Message(40021, u"\\A\\B")}));
    QCOMPARE(Read("\\A\\B\\log.txt").size(), 6);
  }

  void BrowseProposesTheNextFreeLogNameInTheCurrentDirectory() {
    root_->WriteHostFile(root_->Host("\\Temp\\新規ログ(1).txt"), "x");
    tessera::ui::SaveTextDialog dialog(u"ab", context_, filterIndex_, QFont());
    dialog.show();
    QString proposed;
    QString folder;
    WhenModal<BrowserDialog>([&](BrowserDialog* browser) {
      proposed = browser->nameEdit()->text();
      folder = Q(browser->folder());
      QTest::keyClick(browser->nameEdit(), Qt::Key_Return);
    });
    dialog.browseButton()->click();
    QCOMPARE(folder, QStringLiteral("\\Temp"));
    QCOMPARE(proposed, QStringLiteral("新規ログ(2).txt"));
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("\\Temp\\新規ログ(2).txt"));
    QVERIFY(dialog.nameEdit()->hasFocus() || !dialog.isActiveWindow());
  }

  void CtrlSOpensTheDialogWithTheWholeConsole() {
    tessera::testing::WindowFixture f;
    f.TypeLine(QStringLiteral("echo saved line"));
    QString preview;
    WhenModal<tessera::ui::SaveTextDialog>([&](tessera::ui::SaveTextDialog* dialog) {
      preview = dialog->preview()->toPlainText();
      dialog->reject();
    });
    f.Key(Qt::Key_S, Qt::ControlModifier);
    QVERIFY(preview.contains(QStringLiteral("echo saved line")));
    QVERIFY(preview.count(QStringLiteral("saved line")) >= 2);
  }

 private:
  QByteArray Read(const std::string& path) {
    QFile file(QString::fromStdString(root_->Host(path)));
    if (!file.open(QIODevice::ReadOnly)) return "(missing)";
    return file.readAll();
  }

  std::unique_ptr<TempRoot> root_;
  tessera::ShellContext context_;
  int filterIndex_ = 1;
};

}  // namespace

int RunBrowserDialogTests(int argc, char** argv) {
  BrowserDialogTest browser;
  SaveDialogTest save;
  return QTest::qExec(&browser, argc, argv) + QTest::qExec(&save, argc, argv);
}

#include "browser_dialog_test.moc"
