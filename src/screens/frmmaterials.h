#pragma once

#include "platform/form.h"
#include "screens/screencontext.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

// The three lists of the materials step (textbooks, resources, materials/supplies/technology):
// items are added, edited and deleted one kind at a time, and a check mark makes an item
// "always include", so that it comes ticked in every plan. Done rebuilds strMaterials from the
// lists and stores the settings; Cancel leaves the settings as they were.
class frmMaterials : public Form
{
    Q_OBJECT
public:
    explicit frmMaterials(ScreenContext &ctx, QWidget *parent = nullptr);

    void Form_Activate() override;

    void chkShowMaterials_Click();
    void cmdChoose_Click(int Index);
    void lstMaterials_Click(int Index);
    void lstMaterials_GotFocus(int Index);
    void cmdAdd_Click(int Index);
    void cmdEdit_Click(int Index);
    void cmdDelete_Click(int Index);
    void cmdDone_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // An item as the questions show it: 31 characters or more become the first 28 and "...".
    static QString shortForm(const QString &item);
    // The kind word of list Index, as the prompts name it.
    static QString kindWord(int Index);

    static constexpr int KindCount = 3;
    static constexpr int HelpContext = 10030;

    QVector<QPushButton *> cmdChoose;    // 0..2
    QVector<QGroupBox *> fraMaterials;   // 0..2
    QVector<QListWidget *> lstMaterials; // 0..2
    QVector<QPushButton *> cmdAdd;       // 0..2
    QVector<QPushButton *> cmdEdit;      // 0..2
    QVector<QPushButton *> cmdDelete;    // 0..2
    QVector<QLabel *> lblAlways;         // 0..2
    QCheckBox *chkShowMaterials = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdHelp = nullptr;

    // The state of the show box since the dialog was shown.
    bool blnShowMaterials = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    // Every group locked: no current item, list, frame and buttons disabled.
    void lockGroups();
    bool validIndex(int Index) const { return Index >= 0 && Index < lstMaterials.size(); }

    ScreenContext ctx_;
    // Entries of a kind no list shows; kept as they are when the lists are stored.
    QStringList otherEntries_;
};
