#pragma once

#include "screens/sectionheadingdialog.h"

class QRadioButton;

// Whether the special note is offered and printed, and what encloses it in the document.
class frmNote : public SectionHeadingDialog
{
    Q_OBJECT
public:
    explicit frmNote(ScreenContext &ctx, QWidget *parent = nullptr);

    // The enclosing pair chosen.
    QString strOpenEdit;
    QString strCloseEdit;

    QCheckBox *chkNote = nullptr;
    QGroupBox *NoteFrame = nullptr;
    QRadioButton *optBrackets = nullptr;
    QRadioButton *optParentheses = nullptr;
    QRadioButton *optOther = nullptr;

    void Form_Activate() override;

    void chkNote_Click();
    void optBrackets_Click();
    void optParentheses_Click();
    void optOther_Click();

protected:
    void applyEdits() override;
};
