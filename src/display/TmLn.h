// The timeline control: the state of the open timeline and everything its drawing is made of —
// the drawing surface, the axis, the event list with its bays, the displayed events and the
// background picture. It reads the events to show from the event query and writes back what the
// display itself changes (an event's "X", its "Formatting", new events). It paints through
// QPainter onto any paint device; the scrolling widget that shows it lives in display/ui.
#pragma once

#include "common/Colour.h"
#include "display/TtlDataLink.h"
#include "display/TtlFixedHost.h"
#include "storage/DisplaySettings.h"
#include "storage/TimelineState.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QPainter;
class TDataSet;
class TTable;
class TdtmMain;
class TtlAxis;
class TtlBayList;
class TtlEvent;
class TtlEventList;
class TtlGraph;
class TtlHost;

class TTimeLine : public TTimelineState {
public:
    enum TShape { stRectangle, stCircle };

    TTimeLine();
    ~TTimeLine() override;
    TTimeLine(const TTimeLine&) = delete;
    TTimeLine& operator=(const TTimeLine&) = delete;

    // Parts.
    TtlGraph& Graph() const { return *m_graph; }
    TtlAxis& Axis() const { return *m_axis; }
    TtlEventList& Events() const { return *m_events; }
    TtlBayList& Bays() const;

    // The window showing the control; nullptr returns to the built-in fixed-size host.
    void SetHost(TtlHost* host);
    TtlHost& Host() const { return *m_host; }
    // Without a window: the client area of the control (its border is 2 pixels). The surface
    // takes exactly this size.
    void SetClientSize(const QSize& size);
    // The control was resized: the surface grows to at least the client area (never shrinks).
    void ControlResized();

    // Settings parts for the settings file reader and writer. After writing into them, call
    // ApplySettings() so the display takes the values.
    TSettingsParts SettingsParts();
    void ApplySettings();

    // Data bindings. Each refuses a forward-only data set (EVzError "Operation not allowed on a
    // unidirectional dataset") and keeps its old one.
    TDataSet* DataSource() const { return m_dataSource.DataSet(); }
    void SetDataSource(TDataSet* dataSet) { m_dataSource.SetDataSet(dataSet); }
    TDataSet* EventTableDataSource() const { return m_eventTable.DataSet(); }
    void SetEventTableDataSource(TDataSet* dataSet) { m_eventTable.SetDataSet(dataSet); }
    TDataSet* CatTableDataSource() const { return m_catTable.DataSet(); }
    void SetCatTableDataSource(TDataSet* dataSet) { m_catTable.SetDataSet(dataSet); }
    // Binds the event query, the event table and the group table of `dm`, which also gives the
    // programmatic-entry flag and the time entry boxes; nullptr unbinds all three.
    void SetDataModule(TdtmMain* dm);
    TdtmMain* DataModule() const { return m_dm; }

    // TTimelineState
    TUnitSystem Units() const override { return m_settings.Units; }
    // Stores the unit system; when the caption follows the units, the axis caption becomes the
    // major long name + "s". The events are rebuilt by the callers' next search.
    void SetUnits(TUnitSystem units) override;
    QString FileName() const override { return m_fileName; }
    void SetFileName(const QString& fileName) override;
    bool FileNameHasNoFolder() const { return m_fileNameHasNoFolder; }
    bool Modified() const override { return m_modified; }
    void SetModified(bool modified) override { m_modified = modified; }
    QString Password() const override { return m_settings.Password; }
    void SetPassword(const QString& password) { m_settings.Password = password; }
    void ClearTimeline() override;

    // Display properties.
    bool AxisOrientation() const { return m_settings.AxisOrientation; }
    void SetAxisOrientation(bool horizontal);
    int AxisPos() const { return m_settings.AxisPos; }
    void SetAxisPos(int code);
    // The orientation and axis position every part of the display uses: the stored ones in the
    // timeline display, vertical and 0 in the list display.
    bool EffectiveHorizontal() const {
        return m_displayMode == 1 ? false : m_settings.AxisOrientation;
    }
    int EffectiveAxisPos() const { return m_displayMode == 1 ? 0 : m_settings.AxisPos; }
    int MouseMode() const { return m_mouseMode; }
    void SetMouseMode(int mode);
    int DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(int mode);

    int BarWidthOrd() const { return m_settings.BarWidthOrd; }
    void SetBarWidthOrd(int ordinal) { m_settings.BarWidthOrd = ordinal; }
    // Thickness in pixels of BarWidthOrd.
    int DefaultBarPixels() const;
    TShape SpanShape() const { return stRectangle; }
    TShape PointShape() const { return stCircle; }
    QString LabelFmt() const { return m_settings.LabelFmt; }
    void SetLabelFmt(const QString& format) { m_settings.LabelFmt = format; }
    bool ParentChildDisplay() const { return m_settings.ParentChildDisplay; }
    void SetParentChildDisplay(bool on) { m_settings.ParentChildDisplay = on; }
    bool KioskMode() const { return m_kioskMode; }
    void SetKioskMode(bool on) { m_kioskMode = on; }
    bool CaptionFollowsUnits() const { return m_settings.CaptionFollowsUnits; }
    void SetCaptionFollowsUnits(bool follows) { m_settings.CaptionFollowsUnits = follows; }
    // When read while empty, first set to the local time "yyyy-mm-dd_hh-nn_ss-zzz".
    QString TimelineID();
    void SetTimelineID(const QString& id) { m_settings.TimelineID = id; }
    QString SourceID() const { return m_settings.SourceID; }
    void SetSourceID(const QString& id) { m_settings.SourceID = id; }
    QString SourceName() const { return m_settings.SourceName; }
    void SetSourceName(const QString& name) { m_settings.SourceName = name; }
    int SavedGraphHeight() const { return m_savedGraphHeight; }
    void SetSavedGraphHeight(int height) { m_savedGraphHeight = height; }
    int SavedGraphWidth() const { return m_savedGraphWidth; }
    void SetSavedGraphWidth(int width) { m_savedGraphWidth = width; }
    TTimeValue RangeStart() const { return m_rangeStart; }
    TTimeValue RangeEnd() const { return m_rangeEnd; }
    double StoredSpan() const { return m_rangeEnd - m_rangeStart; }
    TLegendSettings& LegendSettings() { return m_legend; }

    // "Year", "Day", "Calendar Date" ...
    QString UnitName() const;
    // "Month (1-12)", " (1-10)" for Steps; empty for Calendar Dates.
    QString MinorUnitCaption() const;
    // The surface is taller than the control's client area (its height − 4).
    bool ListNeedsScrollBar() const;

    // Sets the axis range from start to end (to end + 1 in Calendar Dates) and builds the
    // display. A failure of the axis range raises EVzError "Error creating axis. …".
    void SetRange(TTimeValue end, TTimeValue start);
    // Reopens the event query and builds, lays out and repaints the display.
    void RebuildDisplay();
    // Clears the field "X" of every event record that has one.
    void ClearPositions();

    // Inserts an event record (only with a name and a start): the new ID, or −1.
    int InsertEventRecord(const QString& name, const QString& startMajor, const QString& endMajor,
                          const QString& startMinor, const QString& endMinor,
                          const QString& description, bool textStyle, const QString& backdropFile,
                          const QString& miniMapFile, const QString& mapFile);
    // "New Event...": inserts "New Event" at the middle of the axis range and runs the event
    // editor on it; true when the editor ended with OK.
    bool AddNewEvent(TTimeValue axisStart, TTimeValue axisEnd);

    // Background picture: kept here, copied to the surface, which repaints.
    const QImage& Background() const { return m_background; }
    // `bitmapFile`: the bytes of the bitmap file the picture was read from; they are written
    // back unchanged while the picture stays, so a save never re-encodes it.
    void SetBackground(const QImage& picture, const QByteArray& bitmapFile = {});
    void LoadBackground(const QString& path);
    // Writes the background as a bitmap; an empty file when there is none.
    void WriteBackground(const QString& path) const;
    void FitBackgroundOnce();

    // Zoom slider position 10 to 40: the surface grows along the axis.
    void ApplyZoom(int position);
    int PreviousZoom() const { return m_previousZoom; }

    // Range zoom: 0 idle, 2 waiting for the first pick, 1 for the second.
    int RangeZoomState() const { return m_rangeZoomState; }
    void SetRangeZoomState(int state);
    bool RangeZoomContinuous() const { return m_rangeZoomContinuous; }
    void SetRangeZoomContinuous(bool on) { m_rangeZoomContinuous = on; }
    // "Range Zoom (one off)" and "Range Zoom (continuous)".
    void StartRangeZoomOnce();
    void ToggleRangeZoomContinuous();
    // A pick of the range zoom from OnGraphClick's value text: in state 2 the start is taken and
    // the state becomes 1; in state 1 the range (start, end texts) is returned and the state
    // becomes 0 (one-off) or 2 (continuous). The caller then runs its search.
    std::optional<std::pair<QString, QString>> RangeZoomPick(const QString& valueText);

    // Paints the whole surface, or a part of it, with the painter's origin at its top-left.
    void Paint(QPainter& painter, const QRect& clip = {});

    // Handlers of published events.
    std::function<void(TtlEvent& event)> OnEventSelected;
    std::function<void(TTimeLine& sender, const QString& valueText)> OnGraphClick;

    // Work of other parts of the program; a seam left empty does nothing (the editor: OK).
    struct TSeams {
        // Runs the event editor on an event; true for OK.
        std::function<bool(TtlEvent& event)> RunEventEditor;
        // Applies the current view again (the main window's ReloadCurrentView).
        std::function<void()> ReloadCurrentView;
        // Reloads the picture boxes of the data-entry page from the current event record.
        std::function<void()> ReloadPictureBoxes;
        // The legend: rebuilt at the end of every build; remembered and hidden when an event is
        // opened by a click; hidden and emptied, with the title and introduction box reset, when
        // the timeline is cleared.
        std::function<void()> RebuildLegend;
        std::function<void()> HideLegendForEvent;
        std::function<void()> ClearDecorations;
        // The title lays itself out again before a repaint.
        std::function<void()> LayoutTitle;
        // Surface rectangles of the visible legend and title (for ContentExtent).
        std::function<std::vector<QRect>()> DecorationRects;
        // Paints title and introduction box above the events.
        std::function<void(QPainter& painter, const QRect& clip)> PaintDecorations;
    };
    TSeams Seams;

private:
    TTimelineSettings m_settings;
    TLegendSettings m_legend;
    TtlFixedHost m_fixedHost;
    TtlHost* m_host = &m_fixedHost;
    std::unique_ptr<TtlGraph> m_graph;
    std::unique_ptr<TtlAxis> m_axis;
    std::unique_ptr<TtlEventList> m_events;
    TtlDataLink m_dataSource;
    TtlDataLink m_eventTable;
    TtlDataLink m_catTable;
    TdtmMain* m_dm = nullptr;

    QString m_fileName;
    bool m_fileNameHasNoFolder = true;
    bool m_modified = false;
    int m_mouseMode = 0;
    int m_displayMode = 0;
    bool m_kioskMode = false;
    int m_rangeZoomState = 0;
    bool m_rangeZoomContinuous = false;
    int m_previousZoom = 10;
    int m_savedGraphHeight = -1;
    int m_savedGraphWidth = -1;
    TTimeValue m_rangeStart = 0;
    TTimeValue m_rangeEnd = 0;
    QString m_rangePickStart;
    QImage m_background;
    QByteArray m_backgroundFile;
};
