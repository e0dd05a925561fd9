#include <gtest/gtest.h>
#include <QtGui/QAction>
#include <QtGui/QClipboard>
#include <QtGui/QTextCursor>
#include <QtGui/QTextDocument>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWebEngineCore/QWebEnginePage>
#include <QtWebEngineCore/QWebEngineScript>
#include <QtWebEngineCore/QWebEngineSettings>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QStatusBar>

#include <unistd.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "../../itemdb/ShippedData.h"
#include "itemdb/TDocText.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "template_editor/core/EditorCommands.h"
#include "template_editor/core/EditorSettings.h"
#include "template_editor/core/TemplateDoc.h"
#include "template_editor/ui/CMainFrame.h"
#include "template_editor/ui/CSourceView.h"
#include "template_editor/ui/CTemplateBar.h"
#include "template_editor/ui/CWebView.h"
#include "template_editor/ui/TemplateProgram.h"
#include "tests/support/TempFolder.h"
#include "widgets/GuardedTabBar.h"
#include "widgets/HelpService.h"
#include "widgets/QtText.h"
#include "widgets/ScriptedModalRunner.h"
#include "widgets/WebEngineStart.h"

namespace gb::editor {
namespace {

using gb::widgets::ScriptedModalRunner;

constexpr int kLoadTimeoutMs = 30000;
constexpr int kBuyerInvoice = 0;  // its place in the shipped library, sorted by name

// Opens nothing; says it did unless told there is no browser.
class NoHelp final : public gb::widgets::HelpOpener {
public:
    bool Open(const QUrl&) override { return browser; }
    bool browser = true;
};

// Runs a script in the editing world and waits for its result.
QVariant Evaluate(CWebView& view, const QString& script) {
    auto result = std::make_shared<std::optional<QVariant>>();
    view.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                               [result](const QVariant& value) { *result = value; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return result->has_value(); }, kLoadTimeoutMs))
        << script.toStdString();
    return result->value_or(QVariant());
}

// Selects the first occurrence of `text` in the page; with `collapse` the
// caret stands just behind it.
void Select(CWebView& view, const QString& text, bool collapse = false) {
    const QString script = QStringLiteral(
                               "(function(){var w=document.createTreeWalker(document.body,"
                               "NodeFilter.SHOW_TEXT);var n;while((n=w.nextNode())){var i="
                               "n.data.indexOf('%1');if(i>=0){var r=document.createRange();"
                               "r.setStart(n,i);r.setEnd(n,i+%2);%3var s=window.getSelection();"
                               "s.removeAllRanges();s.addRange(r);return true;}}return false;})()")
                               .arg(text)
                               .arg(text.size())
                               .arg(collapse ? QStringLiteral("r.collapse(false);") : QString());
    ASSERT_TRUE(Evaluate(view, script).toBool()) << text.toStdString();
}

class EditorWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeShippedData(folder_.Path()));
        shipped_ = Bytes();
        EditorSettings(settings_).Store("VizEvav.cta", kBuyerInvoice);
    }

    std::filesystem::path Library() const { return folder_ / "VizEvav.cta"; }
    std::string Bytes() const { return gb::ReadWholeFile(Library()).value_or("<missing>"); }

    // Starts the editor and waits until the header of the remembered
    // template shows.
    CMainFrame& Start() {
        program_ = std::make_unique<TemplateProgram>(std::vector<std::string>{}, settings_,
                                                     folder_.Path(), runner_, help_, instance_);
        EXPECT_TRUE(program_->InitInstance());
        CMainFrame& frame = *program_->Frame();
        WaitLoaded(frame);
        return frame;
    }

    static void WaitLoaded(CMainFrame& frame) {
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return frame.EditingView().IsLoaded(); }, kLoadTimeoutMs));
    }

    // Chooses the tab of `section` and waits until the section shows, or its
    // tab has been put back because the section shown could not be stored.
    static bool ShowSection(CMainFrame& frame, int section) {
        const gb::widgets::GuardedTabBar& tabs = frame.TemplateBar().Tabs();
        frame.TemplateBar().Tabs().SelectTab(section);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return frame.GetSectionShown() == section || tabs.currentIndex() != section; },
            kLoadTimeoutMs));
        if (frame.GetSectionShown() != section) {
            return false;
        }
        if (section != section::Source) {
            WaitLoaded(frame);
        }
        return true;
    }

    // Stores the section shown and waits for the result. Commands that wait
    // for the design view's page have run when it comes.
    static bool Store(CMainFrame& frame) {
        std::optional<bool> result;
        frame.StoreCurrentSection([&result](bool stored) { result = stored; });
        EXPECT_TRUE(QTest::qWaitFor([&] { return result.has_value(); }, kLoadTimeoutMs));
        return result.value_or(false);
    }

    // Runs a command that stores the section shown first, and waits for it.
    static void Run(CMainFrame& frame, int command) {
        frame.Action(command)->trigger();
        Store(frame);
    }

    // Closes the window and waits until it has gone; false when it stays.
    static bool Close(CMainFrame& frame) {
        frame.close();
        return QTest::qWaitFor([&] { return !frame.isVisible(); }, kLoadTimeoutMs);
    }

    // Makes the library hold one template of these pages, remembered as the
    // one to show.
    void UseOnly(const std::string& header, const std::string& repeat, const std::string& footer) {
        gb::itemdb::CTDocText only(gb::itemdb::CTDocText::Defaults::Editor);
        only.SetName("Only");
        only.SetDescription("The one template");
        only.SetHeader(header);
        only.SetRepeat(repeat);
        only.SetFooter(footer);
        gb::itemdb::CTemplateLibrary library;
        library.AddTemplate(only);
        library.SetPath(Library());
        ASSERT_TRUE(library.SaveFile());
        shipped_ = Bytes();
        EditorSettings(settings_).Store("VizEvav.cta", 0);
    }

    static QString PageText(CMainFrame& frame) {
        return Evaluate(frame.EditingView(), QStringLiteral("document.body.innerText")).toString();
    }

    void TearDown() override {
        if (program_ != nullptr && program_->Frame() != nullptr && program_->Frame()->isVisible()) {
            EXPECT_TRUE(Close(*program_->Frame()));
        }
        program_.reset();
        EXPECT_TRUE(runner_.Failures().empty());
    }

    gb::test::TempFolder folder_;
    gb::Settings settings_{folder_ / "user.settings"};
    ScriptedModalRunner runner_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    NoHelp opener_;
    gb::widgets::HelpService help_{folder_ / "Lotkeeper.html", opener_};
    QString instance_ =
        QStringLiteral("GavelbookEditorTest-%1").arg(QCoreApplication::applicationPid());
    std::unique_ptr<TemplateProgram> program_;
    std::string shipped_;
};

TEST_F(EditorWindow, OpensTheRememberedTemplateInTheDesignView) {
    CMainFrame& frame = Start();
    EXPECT_EQ(frame.Document().GetCurrentIndex(), kBuyerInvoice);
    EXPECT_EQ(frame.GetSectionShown(), section::Header);
    EXPECT_TRUE(PageText(frame).contains(QStringLiteral("Thank you for your winning bid!")));
    const QString title = frame.TemplateBar().TitleLine().text();
    EXPECT_TRUE(title.startsWith(QStringLiteral("Buyer Invoice : An invoice")))
        << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral("(VizEvav.cta)"))) << title.toStdString();
    EXPECT_EQ(frame.TemplateBar().GetType(), gb::itemdb::CTDocText::Email);
    EXPECT_EQ(frame.TemplateBar().GetSubject(), "Invoice for [Description] (item [Auction_ID])");
    // The page's own scripts are off: the editing script alone runs.
    EXPECT_FALSE(frame.EditingView().page()->settings()->testAttribute(
        QWebEngineSettings::JavascriptEnabled));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame.Action(cmd::Bold)->isEnabled(); }, kLoadTimeoutMs));
}

// The design view starts the web engine with the window. As root (the only
// user of a fresh machine) the engine runs without its sandbox, which the
// program turns off itself: the engine would end the program before its
// window showed otherwise. The status bar says so.
TEST_F(EditorWindow, AsRootTheWindowShowsItsPageAndSaysThatTheEngineHasNoSandbox) {
    const bool root = geteuid() == 0;
    EXPECT_EQ(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"), root);
    CMainFrame& frame = Start();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(PageText(frame).contains(QStringLiteral("Thank you for your winning bid!")));
    const QString note = QString::fromStdString(gb::widgets::WebEngineSandboxNote());
    EXPECT_EQ(note.isEmpty(), !root);
    EXPECT_EQ(frame.statusBar()->currentMessage(), root ? note : QStringLiteral("Ready"));
}

TEST_F(EditorWindow, AMissingLibraryIsReportedAndANewTemplateShown) {
    EditorSettings(settings_).Store("Missing.cta", 3);
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    CMainFrame& frame = Start();
    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_TRUE(runner_.Ran().front().text.startsWith(
        QStringLiteral("Your clipboard template file could not be found.")));
    EXPECT_EQ(frame.Document().GetCurrentIndex(), -1);
    EXPECT_EQ(frame.Document().GetPathName(), folder_ / "Missing.cta");
    EXPECT_TRUE(frame.TemplateBar().TitleLine().text().endsWith(QStringLiteral("(Missing.cta)")));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Missing.cta"));
    // Closing offers the new template; declined, nothing is written.
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
    EXPECT_TRUE(Close(frame));
    EXPECT_FALSE(std::filesystem::exists(folder_ / "Missing.cta"));
}

TEST_F(EditorWindow, ADamagedLibraryIsReportedOnceAndLeftAsItWas) {
    gb::WriteFileAtomically(Library(), "not a template library");
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    CMainFrame& frame = Start();
    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_TRUE(runner_.Ran().front().text.startsWith(
        QStringLiteral("The template library VizEvav.cta could not be read")))
        << runner_.Ran().front().text.toStdString();
    EXPECT_EQ(frame.Document().GetCurrentIndex(), -1);
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
    EXPECT_TRUE(Close(frame));
    EXPECT_EQ(Bytes(), "not a template library");
}

TEST_F(EditorWindow, BoldOnASelectionChangesOnlyThatSectionAndShowsChecked) {
    gb::itemdb::CTemplateLibrary original;
    ASSERT_TRUE(original.OpenFile(Library()));
    CMainFrame& frame = Start();
    const gb::itemdb::CTDocText before = frame.Document().GetTemplate();
    Select(frame.EditingView(), QStringLiteral("winning bid"));
    EXPECT_FALSE(frame.Action(cmd::Bold)->isChecked());

    frame.Action(cmd::Bold)->trigger();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame.Action(cmd::Bold)->isChecked(); }, kLoadTimeoutMs));
    EXPECT_FALSE(frame.Action(cmd::Italic)->isChecked());
    // The state follows the caret.
    Select(frame.EditingView(), QStringLiteral("Dear"), true);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !frame.Action(cmd::Bold)->isChecked(); }, kLoadTimeoutMs));
    Select(frame.EditingView(), QStringLiteral("winn"), true);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame.Action(cmd::Bold)->isChecked(); }, kLoadTimeoutMs));

    ASSERT_TRUE(Store(frame));
    const gb::itemdb::CTDocText& after = frame.Document().GetTemplate();
    EXPECT_NE(after.GetHeader().find("<b>winning bid</b>"), std::string::npos) << after.GetHeader();
    EXPECT_EQ(after.GetRepeat(), before.GetRepeat());
    EXPECT_EQ(after.GetFooter(), before.GetFooter());

    Run(frame, cmd::Save);
    gb::itemdb::CTemplateLibrary saved;
    ASSERT_TRUE(saved.OpenFile(Library()));
    EXPECT_NE(saved.GetTemplate(kBuyerInvoice)->GetHeader().find("<b>winning bid</b>"),
              std::string::npos);
    EXPECT_TRUE(saved.GetTemplate(1)->IsEqual(*original.GetTemplate(1)));
}

TEST_F(EditorWindow, TheFormatListMarksTheCurrentBlockAndAppliesAnother) {
    CMainFrame& frame = Start();
    Select(frame.EditingView(), QStringLiteral("Dear"), true);
    const auto item = [&](const QString& name) -> QAction* {
        Q_EMIT frame.FormatMenu().aboutToShow();
        for (QAction* action : frame.FormatMenu().actions()) {
            if (action->text() == name) {
                return action;
            }
        }
        return nullptr;
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            QAction* normal = item(QStringLiteral("Normal"));
            return normal != nullptr && normal->isChecked();
        },
        kLoadTimeoutMs));
    QAction* heading = item(QStringLiteral("Heading 1"));
    ASSERT_NE(heading, nullptr);
    EXPECT_FALSE(heading->isChecked());
    heading->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return item(QStringLiteral("Heading 1"))->isChecked(); },
                                kLoadTimeoutMs));
    ASSERT_TRUE(Store(frame));
    EXPECT_NE(frame.Document().GetTemplate().GetHeader().find("<h1>Dear [Buyer_ID],</h1>"),
              std::string::npos)
        << frame.Document().GetTemplate().GetHeader();
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
}

TEST_F(EditorWindow, SourceEditsReachTheSectionsWithTheirLineEnds) {
    CMainFrame& frame = Start();
    const std::string footer = frame.Document().GetTemplate().GetFooter();
    ASSERT_TRUE(ShowSection(frame, section::Source));
    CSourceView& source = frame.SourceView();
    QTextCursor cursor = source.document()->find(QStringLiteral("Kind regards,"));
    ASSERT_FALSE(cursor.isNull());
    cursor.insertText(QStringLiteral("Best wishes,"));
    ASSERT_TRUE(ShowSection(frame, section::Footer));
    std::string expected = footer;
    expected.replace(expected.find("Kind regards,"), 13, "Best wishes,");
    EXPECT_EQ(frame.Document().GetTemplate().GetFooter(), expected);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return PageText(frame).contains(QStringLiteral("Best wishes,")); }, kLoadTimeoutMs));

    // A source with only one of the two markers stays in the source view.
    ASSERT_TRUE(ShowSection(frame, section::Source));
    cursor = source.document()->find(
        QStringLiteral("<!--webbot bot=\"PurpleText\" PREVIEW=\"END REPEAT\"-->"));
    ASSERT_FALSE(cursor.isNull());
    cursor.removeSelectedText();
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    EXPECT_FALSE(ShowSection(frame, section::Header));
    EXPECT_EQ(frame.GetSectionShown(), section::Source);
    EXPECT_EQ(frame.Document().GetTemplate().GetFooter(), expected);

    // Closing asks whether to discard that edit: No goes back to it.
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
    frame.close();
    EXPECT_TRUE(frame.isVisible());
    ASSERT_EQ(runner_.Ran().size(), 2u);
    EXPECT_TRUE(runner_.Ran().back().text.startsWith(
        QStringLiteral("The template is not formatted correctly, so the changes")));
    // Yes discards it; "Save your changes?" then offers Cancel, which keeps
    // the window, showing what the document holds.
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Yes))
        .Then(ScriptedModalRunner::Press(QMessageBox::Cancel));
    frame.close();
    EXPECT_TRUE(frame.isVisible());
    ASSERT_EQ(runner_.Ran().size(), 4u);
    EXPECT_EQ(runner_.Ran().back().text, QStringLiteral("Save your changes?"));
    EXPECT_EQ(Bytes(), shipped_);
    EXPECT_EQ(frame.GetSectionShown(), section::Source);
    EXPECT_FALSE(
        source.document()
            ->find(QStringLiteral("<!--webbot bot=\"PurpleText\" PREVIEW=\"END REPEAT\"-->"))
            .isNull());
    EXPECT_FALSE(source.document()->isModified());
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
    EXPECT_TRUE(Close(frame));
    EXPECT_EQ(Bytes(), shipped_);
}

// Discarding a source that cannot be stored and then cancelling Open: the
// view shows the source the document holds, not the discarded text.
TEST_F(EditorWindow, CancellingOpenAfterDiscardingAMalformedSourceShowsTheDocument) {
    CMainFrame& frame = Start();
    ASSERT_TRUE(ShowSection(frame, section::Source));
    CSourceView& source = frame.SourceView();
    const QString shown = source.toPlainText();
    const QString endMarker =
        QStringLiteral("<!--webbot bot=\"PurpleText\" PREVIEW=\"END REPEAT\"-->");
    QTextCursor cursor = source.document()->find(endMarker);
    ASSERT_FALSE(cursor.isNull());
    cursor.removeSelectedText();
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Yes)).Then(ScriptedModalRunner::Reject());
    frame.Action(cmd::Open)->trigger();
    EXPECT_EQ(runner_.StepsLeft(), 0u);
    EXPECT_EQ(frame.GetSectionShown(), section::Source);
    EXPECT_EQ(source.toPlainText(), shown);
    EXPECT_FALSE(source.document()->isModified());
}

TEST_F(EditorWindow, ASourceEditChangesOnlyWhatTheUserChanged) {
    const std::string header = "<HTML><BODY>\r\nHead\xA0text\r\n</BODY></HTML>";
    // Line ends as mixed as they come: an untouched page keeps them all.
    const std::string repeat =
        "<HTML><BODY>\n<P>[Auction_ID]</P>\r\n<P>[Description]</P>\n</BODY></HTML>";
    UseOnly(header, repeat, "<HTML><BODY>\r\nFoot\r\n</BODY></HTML>");
    CMainFrame& frame = Start();
    ASSERT_TRUE(ShowSection(frame, section::Source));
    QTextCursor cursor = frame.SourceView().document()->find(QStringLiteral("Foot"));
    ASSERT_FALSE(cursor.isNull());
    cursor.insertText(QStringLiteral("Feet"));
    ASSERT_TRUE(ShowSection(frame, section::Header));
    const gb::itemdb::CTDocText& stored = frame.Document().GetTemplate();
    EXPECT_EQ(stored.GetHeader(), header);
    EXPECT_EQ(stored.GetRepeat(), repeat);
    EXPECT_EQ(stored.GetFooter(), "<HTML><BODY>\r\nFeet\r\n</BODY></HTML>");
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
}

// Pages with lone CRs, with line feeds only and with mixed line ends: a
// source edit of one page leaves the bytes of the others.
TEST_F(EditorWindow, ASourceEditLeavesTheOtherPagesWhateverTheirLineEnds) {
    const std::string header = "<HTML><BODY>\rHead\rtext\r</BODY></HTML>";
    const std::string repeat = "<HTML><BODY>\n<P>[Auction_ID]</P>\r\n<P>x</P>\r</BODY></HTML>";
    const std::string footer = "<HTML><BODY>\nFoot\nend\n</BODY></HTML>";
    UseOnly(header, repeat, footer);
    CMainFrame& frame = Start();
    const auto replaceInSource = [&frame](const char* from, const char* to) {
        ASSERT_TRUE(ShowSection(frame, section::Source));
        QTextCursor cursor = frame.SourceView().document()->find(QString::fromLatin1(from));
        ASSERT_FALSE(cursor.isNull());
        cursor.insertText(QString::fromLatin1(to));
        ASSERT_TRUE(ShowSection(frame, section::Header));
    };
    const gb::itemdb::CTDocText& stored = frame.Document().GetTemplate();
    replaceInSource("Head", "Top");
    EXPECT_EQ(stored.GetHeader(), "<HTML><BODY>\nTop\ntext\n</BODY></HTML>");
    EXPECT_EQ(stored.GetRepeat(), repeat);
    EXPECT_EQ(stored.GetFooter(), footer);
    const std::string top = stored.GetHeader();
    replaceInSource("Foot", "Feet");
    EXPECT_EQ(stored.GetHeader(), top);
    EXPECT_EQ(stored.GetRepeat(), repeat);
    EXPECT_EQ(stored.GetFooter(), "<HTML><BODY>\nFeet\nend\n</BODY></HTML>");
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
}

TEST_F(EditorWindow, TheContextMenuIsTheEditMenuWithTheEnginesStates) {
    CMainFrame& frame = Start();
    QApplication::clipboard()->clear();
    Select(frame.EditingView(), QStringLiteral("Dear"), true);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return frame.Action(cmd::Bold)->isEnabled(); }, kLoadTimeoutMs));
    QWidget* surface = frame.EditingView().focusProxy();
    ASSERT_NE(surface, nullptr);
    QTest::mouseClick(surface, Qt::RightButton, {}, QPoint(30, 12));
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.EditMenu().isVisible(); }, kLoadTimeoutMs));
    EXPECT_FALSE(frame.Action(cmd::Paste)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::Copy)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::SelectAll)->isEnabled());
    frame.EditMenu().close();
    // The popup's own closing runs before the window goes.
    QTest::qWait(200);
}

TEST_F(EditorWindow, AnUntouchedLibraryStaysByteIdenticalThroughEverySection) {
    CMainFrame& frame = Start();
    for (const int section : {section::Repeat, section::Footer, section::Source, section::Header}) {
        ASSERT_TRUE(ShowSection(frame, section)) << section;
    }
    Run(frame, cmd::Save);
    EXPECT_TRUE(Close(frame));
    EXPECT_EQ(Bytes(), shipped_);
    EXPECT_TRUE(runner_.Ran().empty());
}

TEST_F(EditorWindow, AddFieldsInsertsTheTokenAtTheCaretOrIntoTheSubject) {
    CMainFrame& frame = Start();
    Select(frame.EditingView(), QStringLiteral("Dear "), true);
    const auto chooseBuyerId = [](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("fieldList"));
        ASSERT_NE(list, nullptr);
        const QList<QListWidgetItem*> found =
            list->findItems(QStringLiteral("Buyer ID"), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found.front()->setSelected(true);
    };
    runner_.Then(ScriptedModalRunner::Accept(chooseBuyerId));
    frame.TemplateBar().FieldsButton().click();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return PageText(frame).contains(QStringLiteral("Dear [Buyer_ID]")); },
                        kLoadTimeoutMs));
    ASSERT_TRUE(Store(frame));
    const std::string& header = frame.Document().GetTemplate().GetHeader();
    const std::size_t token = header.find("Dear [Buyer_ID]");
    ASSERT_NE(token, std::string::npos) << header;
    const std::string_view behind = std::string_view(header).substr(token + 15, 6);
    EXPECT_TRUE(behind.starts_with(" ") || behind.starts_with("&nbsp;")) << behind;

    // With the caret in the subject, the token goes there.
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QLineEdit& subject = frame.TemplateBar().SubjectEdit();
    subject.setFocus();
    subject.setCursorPosition(0);
    runner_.Then(ScriptedModalRunner::Accept(chooseBuyerId));
    frame.TemplateBar().FieldsButton().click();
    EXPECT_EQ(gb::widgets::FromQt(subject.text()),
              "[Buyer_ID] Invoice for [Description] (item [Auction_ID])");
    // Closing asks whether to save the changes.
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
}

TEST_F(EditorWindow, F6AndShiftF6MoveTheFocusBetweenTheBarAndTheView) {
    CMainFrame& frame = Start();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    const QWidget& tabs = frame.TemplateBar().Tabs();
    const auto focusIn = [](const QWidget& pane) {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && (focus == &pane || pane.isAncestorOf(focus));
    };
    const auto press = [&](Qt::KeyboardModifiers modifiers, const QWidget& into) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, modifiers);
        EXPECT_TRUE(QTest::qWaitFor([&] { return focusIn(into); }, kLoadTimeoutMs));
    };
    frame.EditingView().setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return focusIn(frame.EditingView()); }, kLoadTimeoutMs));
    // The caret moving in the page has the view ask for the commands' states.
    Select(frame.EditingView(), QStringLiteral("Dear"), true);
    press(Qt::NoModifier, tabs);
    press(Qt::NoModifier, frame.EditingView());
    press(Qt::ShiftModifier, tabs);
    press(Qt::ShiftModifier, frame.EditingView());
    // Back in the page, typing goes where the caret was.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Q"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return PageText(frame).contains(QStringLiteral("DearQ")); },
                                kLoadTimeoutMs))
        << PageText(frame).left(80).toStdString();

    ASSERT_TRUE(ShowSection(frame, section::Source));
    ASSERT_TRUE(focusIn(frame.SourceView()));
    QTextCursor caret = frame.SourceView().document()->find(QStringLiteral("DearQ"));
    ASSERT_FALSE(caret.isNull());
    frame.SourceView().setTextCursor(caret);
    press(Qt::NoModifier, tabs);
    press(Qt::ShiftModifier, frame.SourceView());
    EXPECT_EQ(frame.SourceView().textCursor().position(), caret.position());
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No));
}

TEST_F(EditorWindow, AboutShowsTheBoxOverTheWindow) {
    CMainFrame& frame = Start();
    QWidget* parent = nullptr;
    auto step =
        ScriptedModalRunner::Accept([&parent](QDialog& about) { parent = about.parentWidget(); });
    step.className = QStringLiteral("gb::editor::CAboutDlg");
    runner_.Then(step);
    frame.Action(cmd::About)->trigger();
    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_EQ(runner_.Ran().front().title, "About Template Editor");
    EXPECT_EQ(parent, &frame);
}

TEST_F(EditorWindow, HelpWithoutABrowserNamesTheHelpFile) {
    CMainFrame& frame = Start();
    opener_.browser = false;
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    frame.Action(cmd::HelpTopics)->trigger();
    ASSERT_EQ(runner_.Ran().size(), 1u);
    const QString path = gb::widgets::PathToQt(folder_ / "Lotkeeper.html");
    EXPECT_TRUE(runner_.Ran().front().text.contains(QStringLiteral("\"%1\"").arg(path)))
        << runner_.Ran().front().text.toStdString();
}

// The engine answers the scripts it still owes as the page goes, which is
// while the design view is taken down: nothing of the view may run then.
TEST_F(EditorWindow, GoingWithScriptAnswersOutstandingCallsNothingBack) {
    CMainFrame& frame = Start();
    bool answered = false;
    frame.EditingView().StoreToDocument([&answered](bool) { answered = true; });
    frame.EditingView().RefreshState();
    program_.reset();
    QTest::qWait(100);
    EXPECT_FALSE(answered);
}

TEST_F(EditorWindow, ASecondStartHandsOverToTheFirst) {
    Start();
    QSignalSpy activated(&program_->Instance(), &gb::widgets::SingleInstance::Activated);
    TemplateProgram second({}, settings_, folder_.Path(), runner_, help_, instance_);
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.Frame(), nullptr);
    EXPECT_TRUE(activated.wait());
}

// A template whose rows belong to a table that another section opens.
class SplitTableTemplate : public EditorWindow {
protected:
    void SetUp() override {
        EditorWindow::SetUp();
        UseOnly("<HTML><BODY><TABLE>\r\n</BODY></HTML>",
                "<HTML><BODY><TR><TD>[Auction_ID]</TD></TR>\r\n</BODY></HTML>",
                "<HTML><BODY></TABLE>\r\n</BODY></HTML>");
    }
};

TEST_F(SplitTableTemplate, IsShownReadOnlyAndNeverStoredFromTheDesignView) {
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::No))
        .Then(ScriptedModalRunner::Press(QMessageBox::No));
    CMainFrame& frame = Start();
    ASSERT_TRUE(ShowSection(frame, section::Repeat));
    EXPECT_EQ(runner_.StepsLeft(), 0u);
    EXPECT_FALSE(frame.Action(cmd::Bold)->isEnabled());
    EXPECT_FALSE(frame.Action(cmd::Format)->isEnabled());
    frame.Action(cmd::Bold)->trigger();
    ASSERT_TRUE(Store(frame));
    EXPECT_EQ(frame.Document().GetTemplate().GetRepeat(),
              "<HTML><BODY><TR><TD>[Auction_ID]</TD></TR>\r\n</BODY></HTML>");
    Run(frame, cmd::Save);
    EXPECT_EQ(Bytes(), shipped_);
}

TEST_F(SplitTableTemplate, OffersTheSourceViewInstead) {
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    CMainFrame& frame = Start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return frame.GetSectionShown() == section::Source; },
                                kLoadTimeoutMs));
    EXPECT_EQ(frame.TemplateBar().Tabs().currentIndex(), section::Source);
    EXPECT_NE(frame.SourceView().toPlainText().indexOf(QStringLiteral("<TR><TD>[Auction_ID]")), -1);
}

// The design view goes nowhere but where the editor sends it: not where a
// page's refresh, frame or link points.
TEST_F(EditorWindow, TheDesignViewStaysOnTheTemplate) {
    gb::WriteFileAtomically(folder_ / "secret.txt", "a local file's text");
    const std::string secret =
        QUrl::fromLocalFile(gb::widgets::PathToQt(folder_ / "secret.txt")).toString().toStdString();
    UseOnly("<HTML><HEAD><META http-equiv=\"refresh\" content=\"0;url=" + secret +
                "\"></HEAD><BODY>Header text</BODY></HTML>",
            "<HTML><BODY>Row<IFRAME src=\"" + secret + "\"></IFRAME></BODY></HTML>",
            "<HTML><BODY><A href=\"" + secret + "\">Footer link</A></BODY></HTML>");
    CMainFrame& frame = Start();
    QTest::qWait(1500);
    EXPECT_EQ(PageText(frame).toStdString(), "Header text");
    ASSERT_TRUE(ShowSection(frame, section::Repeat));
    QTest::qWait(500);
    EXPECT_EQ(Evaluate(frame.EditingView(),
                       QStringLiteral("(function(){var d=document.querySelector('iframe')."
                                      "contentDocument;return d?(d.body?d.body.innerText:''):"
                                      "'elsewhere';})()"))
                  .toString()
                  .toStdString(),
              "");
    ASSERT_TRUE(ShowSection(frame, section::Footer));
    Evaluate(frame.EditingView(), QStringLiteral("document.querySelector('a').click()"));
    QTest::qWait(500);
    EXPECT_EQ(PageText(frame).toStdString(), "Footer link");
    Run(frame, cmd::Save);
    EXPECT_EQ(Bytes(), shipped_);
}

}  // namespace
}  // namespace gb::editor
