#pragma once

#include "screens/donecanceldialog.h"

#include <QString>
#include <QStringList>
#include <QVector>

class QGroupBox;
class QLabel;
class QLineEdit;

// The two pick-list dialogs (instructional activities and assessments): fifteen boxes, one
// entry each, and the punctuation that ends every entry in the document. Enter moves from one
// box to the next and from the last to Done.
class ActivityListDialog : public DoneCancelDialog
{
    Q_OBJECT
public:
    // Only entries 0 to 14 of a list are shown and edited; entry 15 stays as it is.
    static constexpr int BoxCount = 15;

    QGroupBox *fraActivities = nullptr;
    QVector<QLineEdit *> txtActivity;
    QVector<QLabel *> Label1;
    QLineEdit *txtPunct = nullptr;
    QLabel *lblAuto = nullptr;
    QLabel *Label2 = nullptr;

    // Set to "UNSAVED" at every showing.
    QString strStatus;

    void txtActivity_GotFocus(int Index);
    // Enter (character 13) in box Index.
    void txtActivity_KeyPress(int Index);
    void txtPunct_GotFocus();

protected:
    ActivityListDialog(ScreenContext &ctx, const QString &name, const QString &caption,
                       int helpContextId, const QString &listCaption, const QString &punctCaption,
                       QWidget *parent);

    // The boxes show entries 0 to 14 of the list (missing entries show empty).
    void showList(const QStringList &list);
    // Entries 0 to 14 take the boxes' texts, double quotes made two apostrophes; the list is
    // brought up to 15 entries when it is shorter, and later entries are left alone.
    void keepList(QStringList &list) const;
};
