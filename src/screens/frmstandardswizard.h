#pragma once

#include "platform/form.h"

#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QGroupBox;
struct ScreenContext;

// Sets up a first list of state or local standards: the teacher enters each standard's
// number/prefix and full text and chooses whether documents show the full text or only the
// number/prefix. Done replaces the standards list and records the display mode; Cancel (after
// confirmation) changes nothing.
class frmStandardsWizard : public Form
{
    Q_OBJECT
public:
    explicit frmStandardsWizard(ScreenContext &ctx, QWidget *parent = nullptr);

    void Form_Activate() override;

    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdDone_Click();
    void cmdCancel_Click();

    QLabel *lblIntro = nullptr;
    QLineEdit *txtCode = nullptr;
    QLineEdit *txtText = nullptr;
    QPushButton *cmdAdd = nullptr;
    QListWidget *lstStandards = nullptr;
    QPushButton *cmdRemove = nullptr;
    QGroupBox *fraMode = nullptr;
    QRadioButton *optFullText = nullptr;
    QRadioButton *optPrefix = nullptr;
    QPushButton *cmdDone = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    // Adds what the two fields hold, if anything; false when the list is full.
    bool addPending();
    void enableButtons();
    static QString line(const QString &code, const QString &text);

    ScreenContext &ctx;
    QStringList codes_;
    QStringList texts_;
};
