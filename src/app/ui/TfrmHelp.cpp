#include "app/ui/TfrmHelp.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
struct TTopic {
    const char* Name;
    const char* Html;
};

const TTopic kTopics[] = {
    {"Help",
     "<h2>Vezizivu help</h2><p>Vezizivu builds and shows timelines: events with a start, an optional end, "
     "a description and pictures, drawn beside a time axis.</p>"
     "<h3>Getting started</h3><ul><li><b>File &gt; New</b> starts an empty timeline.</li>"
     "<li><b>File &gt; Open...</b> opens a timeline file (<i>.tml</i>).</li>"
     "<li><b>File &gt; Save</b> and <b>Save As...</b> store it; <b>Close</b> closes it.</li></ul>"
     "<p>The ribbon's tabs hold every command; hold the mouse over a button to see what it does "
     "(when hints are on: <b>Other &gt; Options...</b>).</p>"},
    {"Help and Tutorials",
     "<h2>Help and Tutorials</h2><p>Start with <b>File &gt; New</b> to make a timeline, or open the example "
     "timeline with <b>File &gt; Open...</b>. Your timelines live in the <i>My Timelines</i> folder of your "
     "documents folder, with background pictures in its <i>Backgrounds</i> folder.</p>"},
    {"Vezizivu",
     "<h2>The timeline</h2><p>The open timeline is shown here. Use the <b>Views</b> list to switch between "
     "saved views and the <b>Zoom</b> slider to expand the timeline.</p>"},
    {"Text View", "<h2>Event details</h2><p>Previous and Next step through the events shown; Back returns to the timeline.</p>"},
    {"Options",
     "<h2>Options</h2><p>Options apply to every timeline: hints, the new-timeline wizard, the most events a "
     "search may display, and the welcome screen.</p>"},
};
} // namespace

TfrmHelp::TfrmHelp(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Vezizivu Help"));
    resize(560, 440);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_browser->setOpenExternalLinks(true);
    layout->addWidget(m_browser);
}

QString TfrmHelp::TopicHtml(const QString& topic) {
    for (const TTopic& t : kTopics)
        if (topic.compare(QLatin1String(t.Name), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(t.Html);
    return QStringLiteral("<h2>%1</h2><p>There is no help page for this topic yet. See the general "
                          "<b>Help</b> topic.</p>")
        .arg(topic.toHtmlEscaped());
}

void TfrmHelp::ShowTopic(const QString& topic) {
    m_topic = topic;
    m_browser->setHtml(TopicHtml(topic));
    show();
    raise();
    activateWindow();
}
