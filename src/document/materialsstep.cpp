#include "document/materialsstep.h"

#include "app/frmmain.h"
#include "document/frmeditmat.h"
#include "plan/daywriter.h"
#include "plan/planstart.h"
#include "plan/schoolcalendar.h"
#include "platform/platform.h"
#include "platform/ui.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace
{
const QString CrLf = QStringLiteral("\r\n");

QStringList tickedItems(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        if (ui::isTicked(list, i))
            items << list->item(i)->text();
    return items;
}
} // namespace

MaterialsStep::MaterialsStep(frmMain &w) : QObject(&w), w(w)
{
    connect(w.cmdPosition, &QPushButton::clicked, this, &MaterialsStep::cmdPosition_Click);
    connect(w.cmdProceed, &QPushButton::clicked, this, &MaterialsStep::cmdProceed_Click);
    connect(w.cmdSkip, &QPushButton::clicked, this, &MaterialsStep::cmdSkip_Click);
    connect(w.cmdEditMat, &QPushButton::clicked, this, &MaterialsStep::cmdEditMat_Click);
    connect(w.txtSample, &QPlainTextEdit::textChanged, this, &MaterialsStep::txtSample_Change);
}

QString MaterialsStep::buildListing(const QStringList &texts, const QStringList &resources,
                                    const QStringList &materials)
{
    const QString separator = QStringLiteral(";   ");
    QString listing;
    const QString t = texts.join(separator);
    const QString r = resources.join(separator);
    const QString mm = materials.join(separator);
    if (!t.trimmed().isEmpty())
        listing += QStringLiteral("Text(s): ") + t + CrLf;
    if (!r.trimmed().isEmpty())
        listing += QStringLiteral("Resource(s): ") + r + CrLf;
    if (!mm.trimmed().isEmpty())
        listing += QStringLiteral("Materials/Supplies/Technology: ") + mm;
    if (!listing.trimmed().isEmpty())
        listing += CrLf;
    return listing;
}

void MaterialsStep::cmdPosition_Click()
{
    if (!w.txtSample->toPlainText().isEmpty()) {
        const auto answer = w.platform.messageBox(
            QStringLiteral("Rebuilding the Materials Listing will replace the current contents, "
                           "including any changes you've made by editing.") +
                CrLf + CrLf +
                QStringLiteral("You can make additional changes to the Listing after it has been "
                               "placed in the Lesson Plan Document.") +
                CrLf + CrLf + QStringLiteral("Continue with rebuild?"),
            QStringLiteral("Possible Loss of Edited Content"), Platform::Buttons::OKCancel,
            Platform::Icon::Exclamation);
        if (answer != Platform::Answer::OK) {
            w.cmdProceed->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    w.txtSample->setPlainText(ui::fromCrLf(buildListing(
        tickedItems(w.lstTexts), tickedItems(w.lstResources), tickedItems(w.lstMaterials))));
    w.cmdProceed->setEnabled(true);
    w.cmdProceed->setFocus(Qt::OtherFocusReason);
}

void MaterialsStep::txtSample_Change()
{
    w.cmdProceed->setEnabled(true);
}

void MaterialsStep::cmdProceed_Click()
{
    QString listing = ui::toCrLf(w.txtSample->toPlainText());
    if (!listing.trimmed().isEmpty()) {
        w.writer->startLine();
        w.writer->append(QStringLiteral("Materials/Supplies/Technology:") + CrLf, false, true,
                         true);
        if (listing.endsWith(CrLf + CrLf))
            listing.chop(2);
        w.writer->append(listing, false, false, false);
    }
    EndMaterialsStep();
}

void MaterialsStep::cmdSkip_Click()
{
    EndMaterialsStep();
}

frmEditMat *MaterialsStep::editMatDialog()
{
    if (!editMat_)
        editMat_ = new frmEditMat(w);
    return editMat_;
}

void MaterialsStep::cmdEditMat_Click()
{
    const QString listing = ui::toCrLf(w.txtSample->toPlainText());
    QString text = listing;
    while (text.endsWith(CrLf))
        text.chop(2);
    frmEditMat *editor = editMatDialog();
    editor->setEntryText(text);
    editor->setUnchangedListing(listing);
    // However the editor is closed, the step gets its listing back: Done replaces it.
    w.m.strMaterialEdit = listing;
    w.showDialog(editor);
}

void MaterialsStep::EndMaterialsStep()
{
    w.plan->materialsStepEnded();
    LessonPlanModule &m = w.m;
    w.fraLists->hide();
    w.cboOldPlans->setEnabled(!m.blnShowStandards);
    w.cmdPrev->setEnabled(!m.blnShowStandards);
    if (!m.blnShowStandards) {
        w.cboDay->setEnabled(true);
        if (m.blnWeeklyPlans) {
            m.intStep = 1;
            w.calendar->AdvanceDay();
        } else {
            w.writer->EndOfPlan();
            // The unit plan is closed: no step is left to prepare.
            m.intStep = 0;
        }
    } else {
        m.intStep = 4;
    }
    w.PrepareStep();
    w.txtUnit->setEnabled(false);
}
