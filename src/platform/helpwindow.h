#pragma once

#include <QWidget>

class QTextBrowser;

// The program's help: short HTML pages built into the program, one per help context id,
// shown in a window of their own. An id without a page of its own shows the contents page.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showTopic(int contextId);
    int currentTopic() const { return topic_; }

    // The resource path of the page for an id, or of the contents page when it has none.
    static QString pageFor(int contextId);

private:
    QTextBrowser *browser_;
    int topic_ = 0;
};
