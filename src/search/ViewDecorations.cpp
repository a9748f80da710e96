#include "search/ViewDecorations.h"

TViewDecorations TViewDecorations::FromRequest(const TSearchRequest& r) {
    TViewDecorations d;
    d.Title = r.Title;
    d.TitleVisible = r.TitleVisible;
    d.TitleLeft = r.TitleLeft;
    d.TitleTop = r.TitleTop;
    d.TitleFont = r.TitleFont;
    d.TitleColour = r.TitleColour;
    d.TextBox = r.TextBox;
    d.TextBoxVisible = r.TextBoxVisible;
    d.TextBoxLeft = r.TextBoxLeft;
    d.TextBoxTop = r.TextBoxTop;
    d.TextBoxWidth = r.TextBoxWidth;
    d.TextBoxHeight = r.TextBoxHeight;
    return d;
}

void TViewDecorations::ToRequest(TSearchRequest& r) const {
    r.Title = Title;
    r.TitleVisible = TitleVisible;
    r.TitleLeft = TitleLeft;
    r.TitleTop = TitleTop;
    r.TitleFont = TitleFont;
    r.TitleColour = TitleColour;
    r.TextBox = TextBox;
    r.TextBoxVisible = TextBoxVisible;
    r.TextBoxLeft = TextBoxLeft;
    r.TextBoxTop = TextBoxTop;
    r.TextBoxWidth = TextBoxWidth;
    r.TextBoxHeight = TextBoxHeight;
}
