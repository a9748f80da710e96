// render: draws what the timeline page shows, on a drawing surface of exactly W × H pixels, into
// a picture file (PNG, JPEG, 24-bit BMP) or a vector PDF: the view named by --view, else the
// Home view that opening the timeline shows. Display overrides let one timeline be drawn with
// every orientation, axis position, axis style and display mode.
#include "app/TimelineDocument.h"
#include "cli/CliCommand.h"
#include "common/Errors.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBayList.h"
#include "display/TtlEventList.h"
#include "display/TtlRender.h"
#include "search/Views.h"

#include <QFileInfo>

#include <cmath>
#include <optional>

namespace {
int IntOption(const TCliArgs& args, const QString& name, int fallback, int low, int high) {
    const auto text = args.Option(name);
    if (!text)
        return fallback;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        throw TCliUsageError{QStringLiteral("--%1 must be a whole number from %2 to %3.")
                                 .arg(name)
                                 .arg(low)
                                 .arg(high)};
    return value;
}

int RunRender(const TCliArgs& args) {
    args.AllowOnly({QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("view"),
                    QStringLiteral("orientation"), QStringLiteral("axis-pos"),
                    QStringLiteral("axis-style"), QStringLiteral("display"),
                    QStringLiteral("layout")});
    if (args.Positional().size() != 2)
        throw TCliUsageError{QStringLiteral("Give the timeline file and the output file.")};
    const QString path = args.Positional()[0];
    const QString out = QFileInfo(args.Positional()[1]).absoluteFilePath();
    const int width = IntOption(args, QStringLiteral("width"), 1600, 1, 20000);
    const int height = IntOption(args, QStringLiteral("height"), 1000, 1, 20000);
    const QString ext = QFileInfo(out).suffix().toLower();
    if (!QStringList{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                     QStringLiteral("bmp"), QStringLiteral("pdf")}
             .contains(ext))
        throw TCliUsageError{
            QStringLiteral("The output file must end in .png, .jpg, .jpeg, .bmp or .pdf.")};

    std::optional<bool> horizontal;
    if (const auto o = args.Option(QStringLiteral("orientation"))) {
        if (*o == QLatin1String("horizontal"))
            horizontal = true;
        else if (*o == QLatin1String("vertical"))
            horizontal = false;
        else
            throw TCliUsageError{QStringLiteral("--orientation is horizontal or vertical.")};
    }
    const auto axisPos = args.Option(QStringLiteral("axis-pos"));
    const int pos = IntOption(args, QStringLiteral("axis-pos"), 1, 0, 4);
    const auto style = args.Option(QStringLiteral("axis-style"));
    const int styleCode = IntOption(args, QStringLiteral("axis-style"), 1, 0, 3);
    const auto layout = args.Option(QStringLiteral("layout"));
    const int layoutCode = IntOption(args, QStringLiteral("layout"), 3, 0, 3);
    bool list = false;
    if (const auto d = args.Option(QStringLiteral("display"))) {
        if (*d == QLatin1String("list"))
            list = true;
        else if (*d != QLatin1String("timeline"))
            throw TCliUsageError{QStringLiteral("--display is timeline or list.")};
    }

    TTimelineDocument doc;
    TCliSession session(doc);
    CliOpen(doc, path, false);
    const QString view = args.Option(QStringLiteral("view")) ? CliViewName(doc, *args.Option(QStringLiteral("view")))
                                                             : TtlViews::HomeView();

    TTimeLine& timeline = doc.Timeline();
    timeline.SetClientSize(QSize(width, height));
    if (horizontal)
        timeline.SetAxisOrientation(*horizontal);
    if (horizontal || axisPos)
        timeline.SetAxisPos(axisPos ? pos : timeline.AxisPos());
    if (style)
        timeline.Axis().SetStyle(styleCode);
    if (layout)
        timeline.Bays().SetLayout(layoutCode);
    if (list)
        timeline.SetDisplayMode(1);
    // The display is built again at the size and with the overrides now in force.
    doc.SearchFlow().ShowView(view);
    SaveSurfaceArea(timeline, QRect(0, 0, width, height), out);
    return 0;
}
} // namespace

void RegisterRenderCommands(TCliRegistry& registry) {
    registry.push_back(
        {QStringLiteral("render"),
         QStringLiteral("render FILE.tml OUT [--width W] [--height H] [--view NAME] "
                        "[--orientation horizontal|vertical] [--axis-pos 0-4] "
                        "[--axis-style 0-3] [--layout 0-3] [--display timeline|list]"),
         {},
         RunRender});
}
