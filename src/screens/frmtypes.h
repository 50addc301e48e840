#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"
#include "settings/settings.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QLabel;
class QPushButton;
class QRadioButton;
class RichTextBox;

// The file type under which Lesson Plan Documents are saved: rtf, doc, wps or wpd. The document
// is always written as rich text; the choice names the extension (and with it the program the
// system opens the file with). A read-only panel explains the selected type.
class frmTypes : public Form
{
    Q_OBJECT
public:
    explicit frmTypes(ScreenContext &ctx, QWidget *parent = nullptr);

    void Form_Load() override;
    void Form_Activate() override;

    void optType_Click(int Index);
    void lblDocX_Click();
    void rtfTypes_Click();
    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // The extension an option stands for: its caption in lower case without the access key.
    QString extensionOf(int Index) const;

    static constexpr int TypeCount = 4;
    static constexpr int HelpContext = 10022;

    // The explanations, one per option, and what the selected option stands for.
    QStringList strTypeInfo;
    QString strExtEdit;
    QString strTypeNameEdit;

    QVector<QRadioButton *> optType; // 0..3
    QLabel *lblDocX = nullptr;
    RichTextBox *rtfTypes = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void selectNone();

    ScreenContext ctx_;
};
