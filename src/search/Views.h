// The views of a timeline in "Views.ini": each view a section holding its search request, its
// title and text box, and per event the manual position and display state; the section
// "___ordering" lists the view names in the order the user sees them.
#pragma once

#include "search/SearchClass.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TIniFile;

// One displayed event as a view stores it.
struct TViewEventPosition {
    int ID = 0;
    int X = 0;     // manual position across the axis (99999 when not placed by hand)
    int State = 0; // display state; 2 is blown away
};

class TtlViews {
public:
    explicit TtlViews(const QString& path);
    ~TtlViews();
    TtlViews(const TtlViews&) = delete;
    TtlViews& operator=(const TtlViews&) = delete;

    static QString OrderingSection() { return QStringLiteral("___ordering"); }
    static QString HomeView() { return QStringLiteral("Home"); }
    // A name may hold none of "=", the double quote and "," (it is also a key), and is not the
    // ordering section's.
    static bool IsValidViewName(const QString& name);
    static bool IsReservedViewName(const QString& name);

    // Writes the request into section [name] (and, with savePositions, the "-x" and "-state"
    // keys of every given event); a new view goes to the end of the order. Keys not written
    // now stay as they were. An invalid name throws EVzError and writes nothing.
    void SaveView(const QString& name, bool savePositions, const TSearchRequest& request,
                  const std::vector<TViewEventPosition>& events);
    // Reads section [name] into the request with the defaults of a missing key, and lists in
    // BlownAwayNames the names (from `eventName`) of the events stored as blown away.
    void LoadView(const QString& name, TSearchRequest& request,
                  const std::function<QString(int id)>& eventName);
    // The stored position and state of every given event; each keeps its current values when
    // the view holds none.
    void ApplyViewPositions(const QString& name, std::vector<TViewEventPosition>& events);
    void DeleteView(const QString& name);
    // The view names in order; a file without an ordering section gains one.
    QStringList ListViews();
    void WriteOrdering(const QStringList& names);
    // Renames the section (every "[old]" of the file, letter case ignored) and its ordering key.
    void RenameView(const QString& oldName, const QString& newName);

    // Multi-line texts are written with the character pair "¤¬" for each line break; "!!!CR!!!"
    // is read as one too.
    static QString EncodeMultiLine(const QString& text);
    static QString DecodeMultiLine(const QString& text);
    // The group list: comma-separated, quoted where needed, with "&quot;" for each quote.
    static QString EncodeGroups(const QStringList& groups);
    static QStringList DecodeGroups(const QString& text);

private:
    QString Read(const QString& section, const QString& key) const;
    int ReadInt(const QString& section, const QString& key, int fallback) const;
    void Reload();

    QString m_path;
    std::unique_ptr<TIniFile> m_ini;
};
