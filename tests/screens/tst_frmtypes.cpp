// The file type dialog: the option of the saved type, the explanation shown for each type, what
// Done stores, the " / DOCX" label, Cancel and storing.
#include "platform/richtextbox.h"
#include "screens/frmtypes.h"
#include "settings/settingsstore.h"
#include "support/datarows.h"
#include "support/docdump.h"
#include "support/scriptedplatform.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using Answer = Platform::Answer;
Q_DECLARE_METATYPE(Platform::Answer)

class TestFrmTypes : public QObject
{
    Q_OBJECT

    std::unique_ptr<LessonPlanModule> m;
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<ScreenContext> ctx;
    std::unique_ptr<frmTypes> dlg;

    void makeDialog(SettingsStore *store = nullptr)
    {
        ctx = std::make_unique<ScreenContext>(ScreenContext{*m, *platform, store, nullptr});
        dlg = std::make_unique<frmTypes>(*ctx);
    }

    void open(const std::function<void(frmTypes &)> &action)
    {
        platform->actInDialog(QStringLiteral("frmTypes"),
                              [this, action](QDialog *) { action(*dlg); });
        platform->showModal(dlg.get());
    }

    static int checkedType(const frmTypes &d)
    {
        for (int i = 0; i < d.optType.size(); ++i)
            if (d.optType.at(i)->isChecked())
                return i;
        return -1;
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m = std::make_unique<LessonPlanModule>();
        platform = std::make_unique<ScriptedPlatform>();
        makeDialog();
    }

    void cleanup()
    {
        platform->verifyAllAnswered();
        dlg.reset();
    }

    void savedTypeIsSelected_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("explanation");
        dataRow("rtf", "rtf", 0, "Files stored as rtf (rich text files) are");
        dataRow("doc", "doc", 1, "Files stored as doc (Word document files) are");
        dataRow("wps", "wps", 2, "Files stored as wps  (''Works'' document files)");
        dataRow("wpd", "wpd", 3, "Files stored as wpd  (WordPerfect document files)");
        dataRow("capitals", "DOC", -1, "");
        dataRow("docx", "docx", -1, "");
    }

    void savedTypeIsSelected()
    {
        QFETCH(QString, ext);
        QFETCH(int, selected);
        QFETCH(QString, explanation);
        // A type that matches nothing also clears what an earlier showing selected.
        m->strFileExt = QStringLiteral("wpd");
        open([](frmTypes &d) { d.cmdDone->click(); });
        m->strFileExt = ext;
        open([&](frmTypes &d) {
            QCOMPARE(checkedType(d), selected);
            QVERIFY2(d.rtfTypes->Text().startsWith(explanation), qPrintable(d.rtfTypes->Text()));
            QCOMPARE(d.rtfTypes->Text().isEmpty(), explanation.isEmpty());
            QCOMPARE(d.rtfTypes->SelStart(), 0);
            d.cmdDone->click();
        });
        // Done without a choice keeps the saved type.
        QCOMPARE(m->strFileExt, ext);
    }

    void choiceIsStored_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("typeName");
        dataRow("RTF", 0, "rtf", "Rich Text");
        dataRow("DOC", 1, "doc", "''Word'' Document");
        dataRow("WPS", 2, "wps", "''Works'' Word Processor Document");
        dataRow("WPD", 3, "wpd", "WordPerfect Document");
    }

    void choiceIsStored()
    {
        QFETCH(int, index);
        QFETCH(QString, ext);
        QFETCH(QString, typeName);
        open([&](frmTypes &d) {
            d.optType.at(index)->click();
            QCOMPARE(d.strExtEdit, ext);
            d.cmdDone->click();
            QVERIFY(d.isHidden());
        });
        QCOMPARE(m->strFileExt, ext);
        QCOMPARE(m->strFileTypeName, typeName);
    }

    void docxLabelChoosesDoc()
    {
        m->strFileExt = QStringLiteral("rtf");
        open([](frmTypes &d) {
            QTest::mouseClick(d.lblDocX, Qt::LeftButton);
            QCOMPARE(checkedType(d), 1);
            d.cmdDone->click();
        });
        QCOMPARE(m->strFileExt, QStringLiteral("doc"));
        QCOMPARE(m->strFileTypeName, QStringLiteral("''Word'' Document"));
    }

    void explanationIsFormattedAndNotEdited()
    {
        open([](frmTypes &d) {
            QVERIFY(d.rtfTypes->isReadOnly());
            const QString doc = dumpDocument(*d.rtfTypes);
            QVERIFY2(doc.startsWith(QStringLiteral("Files stored as [B]doc[/B] (Word document "
                                                   "files) are [B]Word-compatible[/B].")),
                     qPrintable(doc));
            QVERIFY(doc.contains(QStringLiteral("[B][I]Microsoft Word[/I][/B] \u00ae.")));
            QCOMPARE(d.rtfTypes->SelFontName(), QStringLiteral("Arial"));
            QCOMPARE(d.rtfTypes->SelFontSize(), 10);
            QTest::mouseClick(d.rtfTypes->viewport(), Qt::LeftButton);
            QCOMPARE(d.focusWidget(), d.cmdDone);
        });
    }

    void cancelAsks_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("closed");
        dataRow("yes", Answer::Yes, true);
        dataRow("no", Answer::No, false);
    }

    void cancelAsks()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, closed);
        open([&](frmTypes &d) {
            platform->answerMessage(answer, "Quit without saving changes?", "Abandon Changes?");
            d.optType.at(2)->click();
            d.cmdCancel->click();
            QCOMPARE(d.isHidden(), closed);
        });
        QCOMPARE(platform->lastPrompt().icon, Platform::Icon::Question);
        QCOMPARE(m->strFileExt, QStringLiteral("doc"));
        QCOMPARE(m->strFileTypeName, QStringLiteral("Word Document"));
    }

    void doneStoresTheSettings()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("quillmark.ini")));
        makeDialog(&store);
        open([](frmTypes &d) {
            d.optType.at(0)->click();
            d.cmdDone->click();
        });
        SettingsRecord read;
        QVERIFY(store.load(read).ok);
        QCOMPARE(read.strFileExt, QStringLiteral("rtf"));
        QCOMPARE(read.strFileTypeName, QStringLiteral("Rich Text"));
    }

    void failingStoreKeepsTheDialogOpen()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsStore store(dir.filePath(QStringLiteral("blocker/quillmark.ini")));
        makeDialog(&store);
        open([this](frmTypes &d) {
            platform->answerMessage(Answer::OK);
            d.optType.at(3)->click();
            d.cmdDone->click();
            QVERIFY(d.isVisible());
        });
        QVERIFY(platform->lastPrompt().text.endsWith(
            QStringLiteral("'' occurred while storing data. The settings have not been saved.")));
        QCOMPARE(m->strFileExt, QStringLiteral("doc"));
    }
};

QTEST_MAIN(TestFrmTypes)
#include "tst_frmtypes.moc"
