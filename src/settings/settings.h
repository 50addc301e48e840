#pragma once

#include <QDate>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// The settings record: every choice the teacher can make on the settings screens, with its
// default. The defaults live here and nowhere else; a default-constructed record is the
// program's factory state.
struct SettingsRecord {
    // Identity, plan type and heading line
    QString strTeacherName = QStringLiteral("Your Name Here...");
    // The factory value; a fresh install starts with the school year of today (schoolYearOf).
    QString strSchoolYear = QStringLiteral("2009-2010");
    QString strSchoolName;
    bool blnUseSchoolName = false;
    QString strSchoolAbbrev;
    bool blnUseSchoolAbbrev = false;
    int intDisplayOrder = 0;
    bool blnWeeklyPlans = true;
    int intFirstDay = 1;
    int intDaysPerWeek = 5;
    QStringList strCourses =
        padded({QStringLiteral("Course/Subject #1"), QStringLiteral("Course/Subject #2"),
                QStringLiteral("Course/Subject #3")},
               10);
    QString strCourseHeading = QStringLiteral("Subject");

    // Sections: show flags and heading words
    bool blnShowPeriod = true;
    QString strPeriodHeading = QStringLiteral("Period");
    bool blnShowUnitGoal = true;
    QString strUnitGoalHeading = QStringLiteral("Unit Goal");
    bool blnShowDailyObj = true;
    QString strDailyObjHeading = QStringLiteral("Daily Objective");
    QString strTasksHeading = QStringLiteral("Strategies");
    QString strActivityPunct = QStringLiteral(":");
    bool blnShowTime = false;
    QString strTimeTemplate;
    QString strTimeUnit = QStringLiteral("min");
    bool blnShowClosure = true;
    QString strClosureHeading = QStringLiteral("Closing");
    bool blnShowAssessment = true;
    QString strAssessHeading = QStringLiteral("Assessment");
    QString strAssessPunct;
    bool blnShowMaterials = true;
    bool blnShowStandards = true;
    QString strStandardsHeading = QStringLiteral("Educational Standards");
    QString strStandardsMode = QStringLiteral("NO PREFIXES");
    bool blnStandardsOnce = false;
    bool blnShowNote = true;
    QString strNoteOpen = QStringLiteral("[");
    QString strNoteClose = QStringLiteral("]");
    bool blnShowUnitTopic = true;
    QString strUnitTopicHeading = QStringLiteral("Unit Topic");
    bool blnShowTimeline = true;
    QString strTimelineHeading = QStringLiteral("Timeline");

    // Pick-lists
    QStringList strActivities =
        padded({QStringLiteral("Lecture"), QStringLiteral("Think-Pair-Share"),
                QStringLiteral("Classroom Practice"), QStringLiteral("Review Homework"),
                QStringLiteral("Exit Cards"), QStringLiteral("Demonstration: Powerpoint"),
                QStringLiteral("Edit the above items"), QStringLiteral("And create your own")},
               16);
    QStringList strAssessments = padded(
        {QStringLiteral("Quiz"), QStringLiteral("Chapter Test"), QStringLiteral("Gallery Walk"),
         QStringLiteral("Teacher Observation of Student Performance"),
         QStringLiteral("Edit these/Create your own")},
        16);
    // Each entry: kind letter (T, R, M), a checked digit, then the text.
    QStringList strMaterials = {
        QStringLiteral("T0Replace this entry with a Book Title"),
        QStringLiteral("R0Replace this entry with a classroom resource"),
        QStringLiteral("M0Replace this entry with a support material item")};
    QStringList strStdCodes = {QStringLiteral("A-1-2B"), QStringLiteral("A-1-2C"),
                               QStringLiteral("A-2-1A"), QStringLiteral("B-1-1A"),
                               QStringLiteral("B-3-5D")};
    QStringList strStdTexts = {
        QStringLiteral("The full text of an Educational Standard will display here."),
        QStringLiteral("The full text of another Educational Standard will display here."),
        QStringLiteral("The full text of a third Educational Standard will display here."),
        QStringLiteral("The full text of a fourth Educational Standard will display here."),
        QStringLiteral("The full text of a fifth Educational Standard will display here.")};
    // One entry per course slot: digit j (from 1) non-zero preselects standard j - 1.
    QStringList strStdChoices =
        padded({QStringLiteral("0110"), QStringLiteral("1010"), QStringLiteral("0011")}, 10);

    // Storage
    // "Plans" in the teacher's documents folder; the folder is made when a plan is first saved.
#ifdef Q_OS_WIN
    QString strStorageFolder = QStringLiteral("C:\\Plans");
#else
    QString strStorageFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) +
                               QStringLiteral("/Plans");
#endif
    QString strFileExt = QStringLiteral("doc");
    QString strFileTypeName = QStringLiteral("Word Document");

    // Fixed sizes of the lists the screens index directly.
    static constexpr int CourseCount = 10;
    static constexpr int ActivityCount = 16;
    static constexpr int StdChoiceCount = 10;

    bool operator==(const SettingsRecord &) const = default;

    static QStringList padded(QStringList list, int size)
    {
        while (list.size() < size)
            list.append(QString());
        return list;
    }
};

// Run-time state shared by the main window and its dialogs. Not settings: never persisted and
// never reset by FillLists.
struct RunState {
    int intStep = 0;
    bool blnReadyToBegin = false;
    QString strPlanSaved = QStringLiteral("Y");
    QString strPlanPrinted = QStringLiteral("N");
    QString strSavedBeforeSettings = QStringLiteral("Y");
    QString strAppPath;
    QString strSpecialNote;
    QString strTimeOnTask;
    QString strActivityShort;
    QString strTimeText;
    int intEditIndex = 0;
    QString strUnitText;
    QString strMaterialEdit;
    QString strFileName;
    QString strClipText;
    QString strClipRTF;
    bool blnStandardsEdited = false;
    QString strSampleHeading;
};

// The one object every screen reads and changes in place: the settings record plus the
// run-time state. Created by main and handed to every screen; tests make their own.
struct LessonPlanModule : SettingsRecord, RunState {
    SettingsRecord &record() { return *this; }
    const SettingsRecord &record() const { return *this; }
};

// "Sunday" to "Saturday" twice, so that a first weekday plus an offset below 7 never wraps.
extern const QStringList strDayNames;

// A typed double quote becomes two apostrophes; stored texts never hold a double quote.
QString ReplaceQuotes(const QString &text);

// A school year is written "2009-2010": the year of August to December, then the year of
// January to July. "2009 - 2010", "2009-10" and "2009/2010" read the same. Both years are set
// and true returned only when the text is such a pair of consecutive years.
bool readSchoolYear(const QString &text, int *first = nullptr, int *second = nullptr);

// The school year a day lies in ("2026-2027" from 1 August 2026 to 31 July 2027).
QString schoolYearOf(const QDate &day);
