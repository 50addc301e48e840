#pragma once

#include <QObject>
#include <QString>

class frmMain;
struct PlanNameParts;

// Naming, finding and saving the plan's document file, and the list of plans saved in this run.
class PlanFiles : public QObject
{
    Q_OBJECT
public:
    explicit PlanFiles(frmMain &w);

    // The file name, extension included, for the plan now on the main screen.
    QString MakeFileName() const;
    // The entries that name the plan now on the main screen.
    PlanNameParts planNameParts() const;

    // When a plan begins: 0 no document of the plan's name exists, 1 it was opened into the
    // document, 2 go on and replace it, 3 stop working on this plan.
    int CheckDuplicateFile();

    // Warns when the file at the path does not begin as a rich-text document. Only warns: the
    // caller loads the file anyway.
    void CheckRtfFile(const QString &path);

    // Saves the Lesson Plan Document under a name the teacher confirms in the save dialog.
    // True when the document was written; a cancelled, declined or failed save leaves the
    // flags, the saved label and the list of plans as they were.
    bool SaveFile();

    // The Save button.
    void cmdStore_Click();

    static QString browseEntry();

    // Makes the folder (and its parents) when it is missing; on failure *error holds the
    // system's reason.
    static bool makeFolder(const QString &folder, QString *error);

private:
    void reportSaveError(const QString &path, const QString &reason);

    frmMain &w;
};
