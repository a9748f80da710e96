// The help window: opens a help topic by name. One window is reused; it is not modal.
#pragma once

#include <QDialog>

class QTextBrowser;

class TfrmHelp : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    void ShowTopic(const QString& topic);
    QString CurrentTopic() const { return m_topic; }

    // The page of a topic; a short note for a topic without one.
    static QString TopicHtml(const QString& topic);

private:
    QTextBrowser* m_browser;
    QString m_topic;
};
