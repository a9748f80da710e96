// The display on 1,000 and 10,000 displayed events at 1600 × 1000: building the event list
// (records read, bays placed, positions written), one axis paint, one full paint, hit-testing a
// mouse move, and RebuildDisplay of 1,000 of 100,000 stored events.
#include "common/ScriptedDialogs.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBayList.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "storage/Database.h"
#include "storage/MainDataMod.h"
#include "storage/TableDef.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>

#include <memory>

namespace {
TScriptedDialogs& Answers() {
    static TScriptedDialogs dialogs;
    static TDialogsScope scope(dialogs);
    return dialogs;
}

QByteArray IconBytes(QColor colour) {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A timeline of `count` calendar events over about 55 years in a working folder of its own:
// two thirds spans of up to 400 days, a third points, in 8 groups (colours, two with icons).
struct TBenchTimeline {
    explicit TBenchTimeline(int count) {
        Answers();
        folder = QDir::tempPath() + QStringLiteral("/display-bench-%1").arg(count);
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
        TDatabase::CreateTableFile(folder + QStringLiteral("/Event.ff2"), EventTableDef());
        TDatabase::CreateTableFile(folder + QStringLiteral("/Category.ff2"), CategoryTableDef());
        dm.SetTimeline(&tl);
        dm.OpenDatabase(folder);
        {
            TTransaction t(dm.ffDB);
            const char* colours[] = {"clRed",     "clLime",    "clYellow", "",
                                     "clFuchsia", "$00408080", "clSilver", ""};
            for (int g = 1; g <= 8; ++g)
                dm.ffDB.Execute(
                    QStringLiteral(
                        "INSERT INTO Category (ID, Name, Colour, Icon) VALUES (?1, ?2, ?3, ?4)"),
                    {g, QStringLiteral("Group %1").arg(g),
                     *colours[g - 1] ? QVariant(QString::fromLatin1(colours[g - 1])) : QVariant(),
                     g <= 2 ? QVariant(IconBytes(g == 1 ? Qt::red : Qt::blue)) : QVariant()});
            TSqlStatement insert = dm.ffDB.Prepare(
                QStringLiteral("INSERT INTO Event (ID, Name, Start, \"End\", CategoryID, "
                               "Formatting) VALUES (?1, ?2, ?3, ?4, ?5, '')"));
            QRandomGenerator rng(42);
            for (int i = 1; i <= count; ++i) {
                insert.Reset();
                const double start = 30000.0 + rng.bounded(20000);
                insert.Bind(1, i);
                insert.Bind(2, QStringLiteral("Event number %1").arg(i));
                insert.Bind(3, start);
                insert.Bind(4, i % 3 ? QVariant(start + rng.bounded(400)) : QVariant());
                insert.Bind(5, i % 9 ? QVariant(1 + i % 8) : QVariant());
                insert.Step();
            }
            t.Commit();
        }
        dm.tblEvent.Refresh();
        dm.qryEvent.Close();
        dm.qryEvent.Open();
        tl.SetDataModule(&dm);
        tl.SetClientSize(QSize(1600, 1000));
        tl.Events().SetMaxEvents(count <= 10000 ? count : 1000);
        tl.SetRange(50400, 30000);
    }
    ~TBenchTimeline() {
        dm.CloseDatabase();
        QDir(folder).removeRecursively();
    }
    void ClearPositions() {
        dm.ffDB.Execute(QStringLiteral("UPDATE Event SET X = NULL"));
        dm.tblEvent.Refresh();
        Reopen();
    }
    // The event query reads its rows again (as the search does before it builds).
    void Reopen() {
        dm.qryEvent.Close();
        dm.qryEvent.Open();
    }

    QString folder;
    TdtmMain dm;
    TTimeLine tl;
};

TBenchTimeline& Timeline(int count) {
    static std::unique_ptr<TBenchTimeline> small, large;
    auto& slot = count <= 1000 ? small : large;
    if (!slot)
        slot = std::make_unique<TBenchTimeline>(count);
    return *slot;
}

// Build with placement: every event is read, placed in a bay and its X written back.
void BM_BuildPlacing(benchmark::State& state) {
    TBenchTimeline& t = Timeline(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        t.ClearPositions();
        state.ResumeTiming();
        t.tl.Events().Build();
    }
    state.counters["events"] = t.tl.Events().Count();
    state.counters["bays"] = t.tl.Bays().Count();
}
BENCHMARK(BM_BuildPlacing)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// Build once every event has its stored X.
void BM_BuildStored(benchmark::State& state) {
    TBenchTimeline& t = Timeline(int(state.range(0)));
    t.tl.Events().Build();
    t.Reopen();
    for (auto _ : state)
        t.tl.Events().Build();
    state.counters["events"] = t.tl.Events().Count();
}
BENCHMARK(BM_BuildStored)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_PaintAxis(benchmark::State& state) {
    TBenchTimeline& t = Timeline(1000);
    t.tl.SetAxisOrientation(state.range(0) != 0);
    t.tl.SetAxisPos(1);
    QImage image(1600, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        t.tl.Axis().Paint(painter);
    }
    t.tl.SetAxisOrientation(false);
    t.tl.SetAxisPos(1);
}
BENCHMARK(BM_PaintAxis)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PaintAxisBands(benchmark::State& state) {
    TBenchTimeline& t = Timeline(1000);
    t.tl.Axis().SetStyle(3);
    QImage image(1600, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        t.tl.Axis().Paint(painter);
    }
    t.tl.Axis().SetStyle(1);
}
BENCHMARK(BM_PaintAxisBands)->Unit(benchmark::kMillisecond);

void BM_PaintFull(benchmark::State& state) {
    TBenchTimeline& t = Timeline(int(state.range(0)));
    t.Reopen();
    t.tl.Events().Build();
    t.tl.Graph().Layout();
    QImage image(1600, 1000, QImage::Format_RGB32);
    {
        QPainter warm(&image);
        t.tl.Paint(warm); // glyph caches and label layouts
    }
    for (auto _ : state) {
        QPainter painter(&image);
        t.tl.Paint(painter, QRect(0, 0, 1600, 1000));
    }
    state.counters["events"] = t.tl.Events().Count();
}
BENCHMARK(BM_PaintFull)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_HitTestMouseMove(benchmark::State& state) {
    TBenchTimeline& t = Timeline(10000);
    t.Reopen();
    t.tl.Events().Build();
    t.tl.Graph().Layout();
    QRandomGenerator rng(3);
    std::vector<QPoint> points;
    for (int i = 0; i < 4096; ++i)
        points.emplace_back(rng.bounded(1600), rng.bounded(1000));
    t.tl.Graph().MouseMove(points[0]); // builds the index once after the layout
    size_t i = 0;
    for (auto _ : state) {
        const QPoint p = points[i++ & 4095];
        t.tl.Graph().MouseMove(p);
        benchmark::DoNotOptimize(t.tl.Graph().CursorAt(p));
    }
}
BENCHMARK(BM_HitTestMouseMove)->Unit(benchmark::kMicrosecond);

// 100,000 stored events, the query selecting 1,000 of them: reopen, build, layout, paint.
void BM_RebuildDisplay(benchmark::State& state) {
    static std::unique_ptr<TBenchTimeline> big;
    if (!big)
        big = std::make_unique<TBenchTimeline>(100000);
    TBenchTimeline& t = *big;
    t.dm.qryEvent.SetSQL(TdtmMain::DefaultEventSql() + QStringLiteral(" where A.ID % 100 = 0"));
    t.dm.qryEvent.Open();
    t.tl.Events().SetMaxEvents(1000);
    t.tl.RebuildDisplay(); // positions placed and stored once
    QImage image(1600, 1000, QImage::Format_RGB32);
    for (auto _ : state) {
        t.tl.RebuildDisplay();
        QPainter painter(&image);
        t.tl.Paint(painter);
    }
    state.counters["events"] = t.tl.Events().Count();
}
BENCHMARK(BM_RebuildDisplay)->Unit(benchmark::kMillisecond);
} // namespace
