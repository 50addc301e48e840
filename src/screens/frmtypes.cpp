#include "screens/frmtypes.h"

#include "platform/platform.h"
#include "platform/richtextbox.h"
#include "screens/storesettings.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{
// What each file type means for the teacher, shown as rich text (Arial 10 pt).
const QStringList &typeExplanations()
{
    static const QStringList explanations = {
        QStringLiteral(
            R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 )rtf"
            R"rtf(Arial;}}{\colortbl )rtf"
            R"rtf(;\red0\green0\blue0;\red0\green0\blue255;}\viewkind4\uc1\pard\f0\fs20Files )rtf"
            R"rtf(stored as \b rtf\b0  (\cf1 rich text files\cf0 ) are \cf2\b universally )rtf"
            R"rtf(compatible\cf0\b0 . They can be opened and read by any word processing software )rtf"
            R"rtf(in addition to the internal viewer in the \b\i Quillmark\b0\i0 )rtf"
            R"rtf(.\par\fs12\par\fs20 To access the file from within the word processing program )rtf"
            R"rtf(of your choice, use the program's menu to open a file. When the dialog box )rtf"
            R"rtf(comes up, choose \b rtf\b0  from the \cf2\b File Types\cf0\b0  dropdown list, )rtf"
            R"rtf(which is usually located at the bottom of the window.\par})rtf"),
        QStringLiteral(
            R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 )rtf"
            R"rtf(Arial;}}{\colortbl )rtf"
            R"rtf(;\red0\green0\blue0;\red0\green0\blue255;}\viewkind4\uc1\pard\f0\fs20Files )rtf"
            R"rtf(stored as \b doc\b0  (Word \cf1 document files\cf0 ) are \cf2\b )rtf"
            R"rtf(Word-compatible\cf0\b0 . While they can be opened and read by many word )rtf"
            R"rtf(processing software programs, \b\i Windows\b0\i0  will generally attempt to )rtf"
            R"rtf(open \b doc\b0  files using \b\i Microsoft Word\b0\i0\fs16  \'ae\fs20 .\par )rtf"
            R"rtf(\par Choose this option if your computer has \b\i Microsoft Word\b0\i0\fs16  )rtf"
            R"rtf(\'ae\fs20  or\b  \i Microsoft Office\b0\i0\fs16  \'ae\fs20  installed.\par \par )rtf"
            R"rtf(\i Note:\i0  Beginning with \b\i Microsoft Office 2007 \b0\i0\fs16\'ae\fs20 , a )rtf"
            R"rtf(new document storage format (\b docx\b0 ) was introduced, but this version (and )rtf"
            R"rtf(most likely future versions) will easily read and print \b doc\b0  files.\par )rtf"
            R"rtf(\par \fs12\par \fs20\par })rtf"),
        QStringLiteral(
            R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 )rtf"
            R"rtf(Arial;}}{\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\f0\fs20Files stored )rtf"
            R"rtf(as \b wps \b0  (''Works'' document\cf1  files\cf0 ) are \cf1 associated with )rtf"
            R"rtf(the \b\i Microsoft Works\b0\i0\fs16  \cf0\'ae\fs20  \cf1  word processing )rtf"
            R"rtf(component.\cf0  Choose this option if you use \b\i Microsoft Works\b0\i0\fs16  )rtf"
            R"rtf(\'ae \fs20  for your word processing tasks.\par \fs12\par \fs20\par })rtf"),
        QStringLiteral(
            R"rtf({\rtf1\ansi\ansicpg1252\deff0\deflang1033{\fonttbl{\f0\fswiss\fcharset0 )rtf"
            R"rtf(Arial;}}{\colortbl ;\red0\green0\blue0;}\viewkind4\uc1\pard\f0\fs20Files stored )rtf"
            R"rtf(as \b wpd \b0  (WordPerfect document\cf1  files\cf0 ) are \cf1 associated with )rtf"
            R"rtf(the \b\i WordPerfect\b0\i0\fs16  \cf0\'ae \cf1\fs20  word processing )rtf"
            R"rtf(program.\cf0  Choose this option if your computer has \b\i )rtf"
            R"rtf(WordPerfect\b0\i0\fs16  \'ae \fs20  installed.\par\fs12\par\fs20\par})rtf"),
    };
    return explanations;
}
} // namespace

frmTypes::frmTypes(ScreenContext &ctx, QWidget *parent) : Form(ctx.platform, parent), ctx_(ctx)
{
    setObjectName(QStringLiteral("frmTypes"));
    setWindowTitle(QStringLiteral(" LESSON PLAN DOCUMENT FILE TYPE"));
    setHelpContextId(HelpContext);
    createControls();
}

void frmTypes::createControls()
{
    auto *outer = new QVBoxLayout(this);
    auto *body = new QHBoxLayout;
    auto *choices = new QGridLayout;
    const QStringList captions = {QStringLiteral("&RTF"), QStringLiteral("DO&C"),
                                  QStringLiteral("&WPS"), QStringLiteral("W&PD")};
    const QStringList tips = {QStringLiteral("Rich Text"), QStringLiteral("''Word'' Document"),
                              QStringLiteral("''Works'' Word Processor Document"),
                              QStringLiteral("WordPerfect Document")};
    for (int i = 0; i < TypeCount; ++i) {
        auto *option = new QRadioButton(captions.at(i), this);
        option->setObjectName(QStringLiteral("optType(%1)").arg(i));
        option->setToolTip(tips.at(i));
        choices->addWidget(option, i, 0);
        optType.append(option);
        connect(option, &QRadioButton::clicked, this, [this, i] { optType_Click(i); });
    }
    lblDocX = new QLabel(QStringLiteral(" / DOCX"), this);
    lblDocX->setObjectName(QStringLiteral("lblDocX"));
    lblDocX->installEventFilter(this);
    choices->addWidget(lblDocX, 1, 1);
    choices->setRowStretch(TypeCount, 1);
    body->addLayout(choices);

    rtfTypes = new RichTextBox(this);
    rtfTypes->setObjectName(QStringLiteral("rtfTypes"));
    rtfTypes->setReadOnly(true);
    rtfTypes->setMinimumSize(360, 200);
    body->addWidget(rtfTypes, 1);
    outer->addLayout(body);

    outer->addLayout(doneCancelHelpRow(cmdDone, cmdCancel, cmdHelp));

    connect(rtfTypes, &RichTextBox::MouseDown, this, &frmTypes::rtfTypes_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmTypes::cmdDone_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTypes::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmTypes::cmdHelp_Click);
}

QString frmTypes::extensionOf(int Index) const
{
    if (Index < 0 || Index >= optType.size())
        return QString();
    return optType.at(Index)->text().remove(QLatin1Char('&')).toLower();
}

void frmTypes::Form_Load()
{
    strTypeInfo = typeExplanations();
}

void frmTypes::Form_Activate()
{
    const LessonPlanModule &m = ctx_.m;
    // Done without a choice keeps the saved type rather than storing an empty extension.
    strExtEdit = m.strFileExt;
    strTypeNameEdit = m.strFileTypeName;
    for (int i = 0; i < optType.size(); ++i) {
        if (extensionOf(i) == m.strFileExt) {
            optType.at(i)->setChecked(true);
            optType.at(i)->setFocus(Qt::OtherFocusReason);
            optType_Click(i);
            return;
        }
    }
    selectNone();
}

void frmTypes::optType_Click(int Index)
{
    if (Index < 0 || Index >= optType.size())
        return;
    if (Index < strTypeInfo.size())
        rtfTypes->setTextRTF(strTypeInfo.at(Index));
    rtfTypes->setSelStart(0);
    strExtEdit = extensionOf(Index);
    strTypeNameEdit = optType.at(Index)->toolTip();
}

void frmTypes::lblDocX_Click()
{
    optType.at(1)->setFocus(Qt::OtherFocusReason);
    optType.at(1)->setChecked(true);
    optType_Click(1);
}

void frmTypes::rtfTypes_Click()
{
    cmdDone->setFocus(Qt::OtherFocusReason);
}

void frmTypes::cmdDone_Click()
{
    LessonPlanModule &m = ctx_.m;
    SettingsRecord next = m.record();
    next.strFileExt = strExtEdit;
    next.strFileTypeName = strTypeNameEdit;
    if (next != m.record() && !storeSettings(next, ctx_.store, ctx_.platform))
        return; // the teacher has been told; the choice stays in the dialog
    m.record() = next;
    done(QDialog::Accepted);
}

void frmTypes::cmdCancel_Click()
{
    if (confirmAbandon())
        done(QDialog::Rejected);
}

void frmTypes::cmdHelp_Click()
{
    showContextHelp();
}

bool frmTypes::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lblDocX && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        lblDocX_Click();
    return Form::eventFilter(watched, event);
}

// A setting that matches none of the types shows no choice and no explanation.
void frmTypes::selectNone()
{
    for (QRadioButton *option : std::as_const(optType)) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    rtfTypes->setText(QString());
}
