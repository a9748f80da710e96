#include "app/ui/TRibbonIcons.h"

#include "app/TActionRegistry.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

using enum TCommandId;

namespace {
enum class TGlyph {
    None, Document, Folder, Disk, DiskPen, Printer, PrinterGear, Cross, Door, Ruler, TextA, TextPos, Picture,
    NoPicture, Screen, Plus, Groups, Shift, Lock, Grid, Legend, Label, Wrap, Font, Palette, Axis, Compass,
    BarHeight, Search, Eye, Views, EditView, Refresh, Pointer, Burst, Restore, Copy, SaveImage, Sheet, Page,
    Import, ImportTl, Globe, Help, Gear, Info, Bays, Defaults, Scale, Hints,
};

TGlyph GlyphOf(TCommandId id) {
    switch (id) {
    case actNew: return TGlyph::Document;
    case actOpen: return TGlyph::Folder;
    case actSave: return TGlyph::Disk;
    case actSaveAs: return TGlyph::DiskPen;
    case actPrint: return TGlyph::Printer;
    case FilePrintSetup1: return TGlyph::PrinterGear;
    case actClose: return TGlyph::Cross;
    case FileExit1: return TGlyph::Door;
    case mnuUnits: return TGlyph::Ruler;
    case actAxisText: return TGlyph::TextA;
    case mnuAxisTextPosition: return TGlyph::TextPos;
    case actBackgroundPic: return TGlyph::Picture;
    case actNoBackground: return TGlyph::NoPicture;
    case actToggleToKioskMode: return TGlyph::Screen;
    case actAddEventWiz: return TGlyph::Plus;
    case actGroups: return TGlyph::Groups;
    case actShiftEvents: return TGlyph::Shift;
    case actLabelStyle: return TGlyph::Label;
    case actAxisFont: return TGlyph::Font;
    case actAxisLabelColor: return TGlyph::Palette;
    case actAxisStyle: return TGlyph::Axis;
    case actAxisOrientation: return TGlyph::Compass;
    case actAdvSearch: return TGlyph::Search;
    case actShowAll: return TGlyph::Eye;
    case actManageViews: return TGlyph::Views;
    case actEditView: return TGlyph::EditView;
    case actUpdateViewFromDisplay: return TGlyph::Refresh;
    case actRestoreEvents: return TGlyph::Restore;
    case actCopyTimeline: return TGlyph::Copy;
    case actSaveImage: return TGlyph::SaveImage;
    case actExportToExcel: return TGlyph::Sheet;
    case actExportToWord: return TGlyph::Page;
    case actImportFromExcel: return TGlyph::Import;
    case actImportEvents: return TGlyph::ImportTl;
    case actMiniSmartExport: return TGlyph::Copy;
    case actMiniSmartImport: return TGlyph::ImportTl;
    case mnuReport: return TGlyph::Page;
    case actPublishToWeb: return TGlyph::Globe;
    case actHelp: return TGlyph::Help;
    case actOptions: return TGlyph::Gear;
    case actAbout: return TGlyph::Info;
    case mnuAdvancedDisplay: return TGlyph::Bays;
    case mnuDefaults: return TGlyph::Defaults;
    case actScale: return TGlyph::Scale;
    case actShowHints: return TGlyph::Hints;
    case actZoomQuery: return TGlyph::Search;
    default: return TGlyph::None;
    }
}

QColor TabColour(TRibbonTab tab) {
    switch (tab) {
    case TRibbonTab::File: return QColor(43, 87, 154);
    case TRibbonTab::Setup: return QColor(0, 120, 110);
    case TRibbonTab::Edit: return QColor(176, 82, 30);
    case TRibbonTab::DisplayTab: return QColor(112, 64, 160);
    case TRibbonTab::Views: return QColor(30, 120, 60);
    case TRibbonTab::ExportsImports: return QColor(150, 40, 70);
    default: return QColor(70, 80, 95);
    }
}

// Draws on a 32 x 32 canvas.
void Draw(QPainter& p, TGlyph g, const QColor& c) {
    const QColor light = c.lighter(185);
    const QPen pen(c, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen thin(c, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(light);
    auto doc = [&](QRectF r) {
        QPainterPath path;
        path.moveTo(r.left(), r.top());
        path.lineTo(r.right() - 6, r.top());
        path.lineTo(r.right(), r.top() + 6);
        path.lineTo(r.right(), r.bottom());
        path.lineTo(r.left(), r.bottom());
        path.closeSubpath();
        p.drawPath(path);
        p.drawLine(QPointF(r.right() - 6, r.top()), QPointF(r.right() - 6, r.top() + 6));
        p.drawLine(QPointF(r.right() - 6, r.top() + 6), QPointF(r.right(), r.top() + 6));
    };
    auto lines = [&](double x, double y, double w, int n, double step = 4.5) {
        p.setPen(thin);
        for (int i = 0; i < n; ++i)
            p.drawLine(QPointF(x, y + i * step), QPointF(x + w, y + i * step));
        p.setPen(pen);
    };
    auto disk = [&] {
        p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 5, 12, 8));
        p.drawRect(QRectF(9, 18, 14, 9));
        p.setBrush(light);
    };
    auto printer = [&] {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 4, 12, 9));
        p.setBrush(light);
        p.drawRoundedRect(QRectF(4, 12, 24, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 9));
        lines(12, 23, 8, 2, 3);
        p.setBrush(light);
    };
    auto folder = [&](double y) {
        QPainterPath path;
        path.moveTo(4, y + 20);
        path.lineTo(4, y + 2);
        path.lineTo(12, y + 2);
        path.lineTo(14, y + 5);
        path.lineTo(27, y + 5);
        path.lineTo(27, y + 20);
        path.closeSubpath();
        p.drawPath(path);
    };
    auto picture = [&] {
        p.drawRoundedRect(QRectF(4, 6, 24, 20), 2, 2);
        p.setBrush(c);
        QPainterPath hill;
        hill.moveTo(6, 24);
        hill.lineTo(13, 15);
        hill.lineTo(18, 20);
        hill.lineTo(21, 17);
        hill.lineTo(26, 24);
        hill.closeSubpath();
        p.drawPath(hill);
        p.drawEllipse(QPointF(21, 11), 2.2, 2.2);
        p.setBrush(light);
    };
    auto bars = [&] {
        p.setBrush(c);
        p.drawRoundedRect(QRectF(6, 7, 14, 4), 1.5, 1.5);
        p.drawRoundedRect(QRectF(11, 14, 15, 4), 1.5, 1.5);
        p.drawRoundedRect(QRectF(4, 21, 11, 4), 1.5, 1.5);
        p.setBrush(light);
    };
    switch (g) {
    case TGlyph::None:
        break;
    case TGlyph::Document:
        doc(QRectF(7, 4, 18, 24));
        lines(11, 14, 10, 3);
        break;
    case TGlyph::Folder:
        folder(5);
        p.setBrush(Qt::white);
        p.drawLine(QPointF(8, 14), QPointF(27, 14));
        break;
    case TGlyph::Disk:
        disk();
        break;
    case TGlyph::DiskPen:
        disk();
        p.setPen(QPen(c.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(18, 27), QPointF(29, 16));
        break;
    case TGlyph::Printer:
        printer();
        break;
    case TGlyph::PrinterGear:
        printer();
        p.setBrush(c);
        p.drawEllipse(QPointF(25, 8), 4, 4);
        break;
    case TGlyph::Cross:
        doc(QRectF(6, 4, 18, 24));
        p.setPen(QPen(c.saturation() > 40 ? QColor(200, 50, 50) : c, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 17), QPointF(27, 27));
        p.drawLine(QPointF(27, 17), QPointF(17, 27));
        break;
    case TGlyph::Door:
        p.drawRect(QRectF(7, 4, 14, 24));
        p.setBrush(c);
        p.drawEllipse(QPointF(17, 16), 1.3, 1.3);
        p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(22, 16), QPointF(30, 16));
        p.drawLine(QPointF(27, 13), QPointF(30, 16));
        p.drawLine(QPointF(27, 19), QPointF(30, 16));
        break;
    case TGlyph::Ruler:
        p.drawRect(QRectF(3, 11, 26, 10));
        lines(0, 0, 0, 0);
        p.setPen(thin);
        for (int x = 6; x <= 26; x += 4)
            p.drawLine(QPointF(x, 11), QPointF(x, x % 8 == 6 ? 17 : 15));
        break;
    case TGlyph::TextA:
    case TGlyph::Font: {
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPixelSize(g == TGlyph::Font ? 22 : 24);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 32, 28), Qt::AlignCenter, g == TGlyph::Font ? QStringLiteral("F") : QStringLiteral("A"));
        p.setPen(QPen(g == TGlyph::Font && c.saturation() > 40 ? QColor(220, 60, 60) : c, 3));
        p.drawLine(QPointF(6, 28), QPointF(26, 28));
        break;
    }
    case TGlyph::TextPos:
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        lines(8, 7, 16, 1);
        p.setPen(QPen(c, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 12), QPointF(24, 12));
        lines(8, 21, 16, 2);
        break;
    case TGlyph::Picture:
        picture();
        break;
    case TGlyph::NoPicture:
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(4, 6, 24, 20), 2, 2);
        p.setPen(QPen(c.saturation() > 40 ? QColor(200, 50, 50) : c, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 24), QPointF(26, 8));
        break;
    case TGlyph::Screen:
        p.drawRoundedRect(QRectF(3, 5, 26, 18), 2, 2);
        p.drawLine(QPointF(16, 23), QPointF(16, 27));
        p.drawLine(QPointF(10, 28), QPointF(22, 28));
        break;
    case TGlyph::Plus:
        bars();
        p.setPen(QPen(QColor(40, 150, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 22), QPointF(24, 30));
        p.drawLine(QPointF(20, 26), QPointF(28, 26));
        break;
    case TGlyph::Groups:
        for (int i = 0; i < 3; ++i) {
            p.setBrush(QColor::fromHsv((c.hue() + i * 70) % 360, 140, 220));
            p.drawRoundedRect(QRectF(4 + i * 3, 4 + i * 7, 16, 9), 2, 2);
        }
        break;
    case TGlyph::Shift:
        bars();
        p.setPen(QPen(c.darker(140), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(18, 29), QPointF(29, 29));
        p.drawLine(QPointF(26, 26), QPointF(29, 29));
        break;
    case TGlyph::Lock:
        p.drawRoundedRect(QRectF(7, 14, 18, 14), 2, 2);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 5, 12, 16), 0, 180 * 16);
        break;
    case TGlyph::Label:
        p.drawRoundedRect(QRectF(4, 9, 24, 14), 3, 3);
        lines(8, 14, 16, 2);
        break;
    case TGlyph::Palette:
        p.drawEllipse(QRectF(4, 5, 24, 22));
        for (int i = 0; i < 4; ++i) {
            p.setBrush(QColor::fromHsv(i * 90, 200, 230));
            p.drawEllipse(QPointF(10 + (i % 2) * 8, 11 + (i / 2) * 8), 2.6, 2.6);
        }
        break;
    case TGlyph::Axis:
        p.setBrush(c);
        p.drawRect(QRectF(3, 13, 26, 6));
        p.setPen(thin);
        for (int x = 6; x <= 26; x += 5)
            p.drawLine(QPointF(x, 9), QPointF(x, 23));
        break;
    case TGlyph::Compass:
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setBrush(c);
        {
            QPainterPath needle;
            needle.moveTo(16, 7);
            needle.lineTo(19, 16);
            needle.lineTo(16, 25);
            needle.lineTo(13, 16);
            needle.closeSubpath();
            p.drawPath(needle);
        }
        break;
    case TGlyph::Search:
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(4, 4, 17, 17));
        p.setPen(QPen(c, 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(19, 19), QPointF(27, 27));
        break;
    case TGlyph::Eye:
        p.setBrush(Qt::white);
        {
            QPainterPath eye;
            eye.moveTo(3, 16);
            eye.quadTo(16, 3, 29, 16);
            eye.quadTo(16, 29, 3, 16);
            p.drawPath(eye);
        }
        p.setBrush(c);
        p.drawEllipse(QPointF(16, 16), 4.5, 4.5);
        break;
    case TGlyph::Views:
        for (int i = 2; i >= 0; --i) {
            p.setBrush(i ? light : Qt::white);
            p.drawRect(QRectF(4 + i * 4, 4 + i * 4, 18, 14));
        }
        break;
    case TGlyph::EditView:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 20, 16));
        p.setPen(QPen(c.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(16, 28), QPointF(28, 16));
        break;
    case TGlyph::Refresh:
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(6, 6, 20, 20), 40 * 16, 280 * 16);
        p.setBrush(c);
        {
            QPainterPath head;
            head.moveTo(24, 4);
            head.lineTo(26, 12);
            head.lineTo(18, 11);
            head.closeSubpath();
            p.drawPath(head);
        }
        break;
    case TGlyph::Restore:
        bars();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(40, 150, 60), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(17, 17, 12, 12), 90 * 16, 270 * 16);
        break;
    case TGlyph::Copy:
        doc(QRectF(4, 4, 15, 19));
        doc(QRectF(12, 9, 15, 19));
        break;
    case TGlyph::SaveImage:
        picture();
        p.setPen(QPen(c.darker(130), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(26, 22), QPointF(26, 30));
        p.drawLine(QPointF(23, 27), QPointF(26, 30));
        p.drawLine(QPointF(29, 27), QPointF(26, 30));
        break;
    case TGlyph::Sheet:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 5, 24, 22));
        p.setPen(thin);
        for (int y = 11; y < 27; y += 5)
            p.drawLine(QPointF(4, y), QPointF(28, y));
        for (int x = 12; x < 28; x += 8)
            p.drawLine(QPointF(x, 5), QPointF(x, 27));
        break;
    case TGlyph::Page:
        doc(QRectF(7, 4, 18, 24));
        lines(10, 11, 12, 4);
        break;
    case TGlyph::Import:
    case TGlyph::ImportTl:
        if (g == TGlyph::Import) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(11, 4, 17, 17));
            p.setPen(thin);
            p.drawLine(QPointF(11, 10), QPointF(28, 10));
            p.drawLine(QPointF(19, 4), QPointF(19, 21));
        } else {
            folder(2);
        }
        p.setPen(QPen(QColor(40, 150, 60), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(4, 27), QPointF(14, 27));
        p.drawLine(QPointF(14, 27), QPointF(14, 21));
        p.drawLine(QPointF(11, 24), QPointF(14, 21));
        p.drawLine(QPointF(17, 24), QPointF(14, 21));
        break;
    case TGlyph::Globe:
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::NoBrush);
        p.setPen(thin);
        p.drawEllipse(QRectF(11, 4, 10, 24));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.drawLine(QPointF(6, 10), QPointF(26, 10));
        p.drawLine(QPointF(6, 22), QPointF(26, 22));
        break;
    case TGlyph::Help:
    case TGlyph::Info: {
        p.setBrush(c);
        p.drawEllipse(QRectF(4, 4, 24, 24));
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(17);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, g == TGlyph::Help ? QStringLiteral("?") : QStringLiteral("i"));
        break;
    }
    case TGlyph::Gear: {
        p.setBrush(c);
        QPainterPath gear;
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8;
            const double r = (i % 2) ? 9.5 : 13;
            const QPointF pt(16 + r * std::cos(a), 16 + r * std::sin(a));
            i ? gear.lineTo(pt) : gear.moveTo(pt);
        }
        gear.closeSubpath();
        p.drawPath(gear);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 4, 4);
        break;
    }
    case TGlyph::Bays:
        p.setPen(thin);
        for (int x = 8; x < 28; x += 6)
            p.drawLine(QPointF(x, 4), QPointF(x, 28));
        p.setPen(pen);
        bars();
        break;
    case TGlyph::Defaults:
        bars();
        p.setBrush(QColor(240, 190, 40));
        p.setPen(QPen(QColor(170, 120, 20), 1.2));
        {
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const double a = -M_PI / 2 + i * M_PI / 5;
                const double r = i % 2 ? 3 : 7;
                const QPointF pt(24 + r * std::cos(a), 24 + r * std::sin(a));
                i ? star.lineTo(pt) : star.moveTo(pt);
            }
            star.closeSubpath();
            p.drawPath(star);
        }
        break;
    case TGlyph::Scale:
        p.drawLine(QPointF(16, 5), QPointF(16, 27));
        p.drawLine(QPointF(6, 9), QPointF(26, 9));
        p.setBrush(light);
        p.drawChord(QRectF(2, 10, 10, 10), 180 * 16, 180 * 16);
        p.drawChord(QRectF(20, 10, 10, 10), 180 * 16, 180 * 16);
        p.drawLine(QPointF(10, 27), QPointF(22, 27));
        break;
    case TGlyph::Hints:
        p.setBrush(QColor(255, 250, 210));
        p.drawRoundedRect(QRectF(4, 6, 24, 16), 3, 3);
        lines(8, 11, 16, 2);
        break;
    case TGlyph::Grid:
    case TGlyph::Legend:
    case TGlyph::Wrap:
    case TGlyph::BarHeight:
    case TGlyph::Pointer:
    case TGlyph::Burst:
        break;
    }
}
} // namespace

QIcon TRibbonIcons::Icon(TCommandId id, int size) {
    const TGlyph glyph = GlyphOf(id);
    if (glyph == TGlyph::None)
        return {};
    const QColor colour = TabColour(TActionRegistry::Def(id).Tab);
    QIcon icon;
    for (const bool enabled : {true, false}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(size / 32.0, size / 32.0);
        Draw(p, glyph, enabled ? colour : QColor(160, 164, 170));
        p.end();
        icon.addPixmap(pixmap, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    return icon;
}
