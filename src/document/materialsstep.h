#pragma once

#include <QObject>
#include <QString>

class frmEditMat;
class frmMain;

// The materials step of the main screen: a listing built from the ticked textbooks, resources
// and materials, edited freely, then added to the day or skipped.
class MaterialsStep : public QObject
{
    Q_OBJECT
public:
    explicit MaterialsStep(frmMain &w);

    void cmdPosition_Click();
    void cmdProceed_Click();
    void cmdSkip_Click();
    void txtSample_Change();
    // Opens the listing in its editor; the step is prepared again once the editor closes.
    void cmdEditMat_Click();
    void EndMaterialsStep();

    // The listing editor, made on first use and kept.
    frmEditMat *editMatDialog();

    // The listing for the ticked items of each kind (textbooks, resources, materials).
    static QString buildListing(const QStringList &texts, const QStringList &resources,
                                const QStringList &materials);

private:
    frmMain &w;
    frmEditMat *editMat_ = nullptr;
};
