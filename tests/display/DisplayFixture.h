// A timeline control bound to a data module on a fresh working folder, with a fixed client area
// and helpers that put events and groups straight into the tables.
#pragma once

#include "common/ScriptedDialogs.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBar.h"
#include "display/TtlBarIcon.h"
#include "display/TtlBarLabel.h"
#include "display/TtlBayList.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "display/TtlRender.h"
#include "storage/Database.h"
#include "storage/MainDataMod.h"
#include "storage/TableDef.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <optional>

class DisplayFixture : public ::testing::Test {
protected:
    void SetUp() override {
        folder = vztest::NewTempFolder(QStringLiteral("display"));
        TDatabase::CreateTableFile(folder + QStringLiteral("/Event.ff2"), EventTableDef());
        TDatabase::CreateTableFile(folder + QStringLiteral("/Category.ff2"), CategoryTableDef());
        dm.SetTimeline(&tl);
        dm.OpenDatabase(folder);
        tl.SetDataModule(&dm);
        tl.SetClientSize(QSize(1000, 600));
    }

    void TearDown() override { dm.CloseDatabase(); }

    struct TEventRow {
        QString Name;
        double Start = 0;
        std::optional<double> End;
        std::optional<int> X;
        int Group = 0;  // Category ID, 0 for none
        int Parent = 0; // ParentID, 0 for none
        QString Formatting;
    };

    // Inserts an event with the next ID and returns the ID.
    int Add(const TEventRow& row) {
        const int id = ++m_lastID;
        dm.ffDB.Execute(
            QStringLiteral("INSERT INTO Event (ID, Name, Start, \"End\", X, CategoryID, "
                           "ParentID, Formatting) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)"),
            {id, row.Name, row.Start, row.End ? QVariant(*row.End) : QVariant(),
             row.X ? QVariant(*row.X) : QVariant(), row.Group ? QVariant(row.Group) : QVariant(),
             row.Parent ? QVariant(row.Parent) : QVariant(), row.Formatting});
        return id;
    }
    int Add(const QString& name, double start, std::optional<double> end = std::nullopt) {
        TEventRow row;
        row.Name = name;
        row.Start = start;
        row.End = end;
        return Add(row);
    }
    // Inserts a group and returns its ID.
    int AddGroup(const QString& name, const QString& colour = {}, const QString& format = {},
                 const QByteArray& icon = {}) {
        const int id = ++m_lastGroup;
        dm.ffDB.Execute(QStringLiteral("INSERT INTO Category (ID, Name, Colour, Format, Icon) "
                                       "VALUES (?1, ?2, ?3, ?4, ?5)"),
                        {id, name, colour.isEmpty() ? QVariant() : QVariant(colour),
                         format.isEmpty() ? QVariant() : QVariant(format),
                         icon.isEmpty() ? QVariant() : QVariant(icon)});
        return id;
    }

    // "Show All": reopens the event query and sets the range of its events (or the given one).
    void Show(std::optional<double> start = std::nullopt,
              std::optional<double> end = std::nullopt) {
        dm.qryEvent.Close();
        dm.qryEvent.Open();
        dm.tblEvent.Refresh();
        double low = 0, high = 0;
        bool any = false;
        for (dm.qryEvent.First(); !dm.qryEvent.Eof(); dm.qryEvent.Next()) {
            for (const char* f : {"Start", "End"}) {
                const QVariant v = dm.qryEvent.Value(QString::fromLatin1(f));
                if (!v.isValid())
                    continue;
                low = any ? std::min(low, v.toDouble()) : v.toDouble();
                high = any ? std::max(high, v.toDouble()) : v.toDouble();
                any = true;
            }
        }
        tl.SetRange(end.value_or(high), start.value_or(low));
    }

    TtlEvent& Event(int id) {
        TtlEvent* e = tl.Events().EventByID(id);
        if (!e)
            throw std::runtime_error("event not displayed");
        return *e;
    }

    // The stored X of an event record (nullopt for NULL).
    std::optional<int> StoredX(int id) {
        TQuery q(dm.ffDB, QStringLiteral("q"),
                 QStringLiteral("select X from Event where ID = %1").arg(id));
        q.Open();
        const QVariant v = q.Value(0);
        return v.isValid() ? std::optional<int>(v.toInt()) : std::nullopt;
    }
    QString StoredText(int id, const QString& field) {
        TQuery q(dm.ffDB, QStringLiteral("q"),
                 QStringLiteral("select \"%1\" from Event where ID = %2").arg(field).arg(id));
        q.Open();
        return q.Value(0).toString();
    }

    QImage Render() { return RenderSurfaceArea(tl, QRect(QPoint(0, 0), tl.Graph().Size())); }

    // Sets the surface to `size` (the client area is the same).
    void Surface(int width, int height) { tl.SetClientSize(QSize(width, height)); }

    static QByteArray PictureBytes(const QImage& image, const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    }

    QString folder;
    TScriptedDialogs dialogs;
    TDialogsScope dialogsScope{dialogs};
    TdtmMain dm;
    TTimeLine tl;

private:
    int m_lastID = 0;
    int m_lastGroup = 0;
};
