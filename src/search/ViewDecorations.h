// The title and the introduction text box over the timeline, as a view stores them: texts,
// positions and sizes in pixels, visibility, the title's font text and background colour text.
#pragma once

#include "search/SearchClass.h"

#include <QString>

struct TViewDecorations {
    QString Title = QStringLiteral("Title");
    bool TitleVisible = false;
    int TitleLeft = 20, TitleTop = 20;
    QString TitleFont;
    QString TitleColour;
    QString TextBox;
    bool TextBoxVisible = false;
    int TextBoxLeft = 50, TextBoxTop = 50, TextBoxWidth = 230, TextBoxHeight = 140;

    // The decorations a view's request holds, and back into a request.
    static TViewDecorations FromRequest(const TSearchRequest& request);
    void ToRequest(TSearchRequest& request) const;
};
