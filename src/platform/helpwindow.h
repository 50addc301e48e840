#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;
class QUrl;

// The program's help: HTML pages built into the program, one per help context id, shown in a
// window of their own with a bar for the contents page and for going back and forward. An id
// without a page of its own shows the contents page.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showTopic(int contextId);
    int currentTopic() const { return topic_; }

    // The resource path of the page for an id, or of the contents page when it has none.
    static QString pageFor(int contextId);
    // The contents page, where every topic is listed.
    static QString contentsPage();

    QTextBrowser *browser() const { return browser_; }
    QPushButton *cmdContents = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdForward = nullptr;

private:
    void showContents();
    void pageShown(const QUrl &source);
    // Help asked for from inside a modal dialog belongs to that dialog, so that the dialog does
    // not block it; help asked for from anywhere else stands on its own.
    void attachToModalDialog();

    QTextBrowser *browser_;
    int topic_ = 0;
};
