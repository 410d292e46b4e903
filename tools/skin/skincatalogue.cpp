#include "skincatalogue.h"

#include "skinfamilies.h"
#include "skintheme.h"

namespace kw::skin {

namespace {

// The tool-bar button family `name`: off, on, pressed and, when it can be
// switched off, disabled.
void addToolFamily(QList<SkinPicture> &list, int firstId, const QString &name, IconPainter icon,
                   bool withDisabled)
{
    int id = firstId;
    if (withDisabled)
        list.append({id++, name + QStringLiteral("_disabled.bmp"), [icon] { return toolButton(icon, ButtonState::Disabled); }});
    list.append({id++, name + QStringLiteral("_off.bmp"), [icon] { return toolButton(icon, ButtonState::Off); }});
    list.append({id++, name + QStringLiteral("_on.bmp"), [icon] { return toolButton(icon, ButtonState::On); }});
    list.append({id++, name + QStringLiteral("_pressed.bmp"), [icon] { return toolButton(icon, ButtonState::Pressed); }});
}

void addWindowButtons(QList<SkinPicture> &list, int firstId, const QString &prefix, WindowButtonLook look)
{
    const struct {
        const char *name;
        WindowGlyph glyph;
    } glyphs[] = {{"close", WindowGlyph::Close}, {"max", WindowGlyph::Maximise},
                  {"min", WindowGlyph::Minimise}, {"norm", WindowGlyph::Restore}};
    int id = firstId;
    for (const auto &g : glyphs) {
        const WindowGlyph glyph = g.glyph;
        list.append({id++, prefix + QLatin1String(g.name) + QStringLiteral(".bmp"),
                     [glyph, look] { return windowButton(glyph, look); }});
    }
}

// The three pieces of the title strip in one state: the middle, stretched
// across, and the two ends.
void addTitleStrip(QList<SkinPicture> &list, int firstId, const QString &prefix, Strip strip)
{
    list.append({firstId, prefix + QStringLiteral("center.bmp"), [strip] { return titleCentre(strip); }});
    list.append({firstId + 1, prefix + QStringLiteral("left.bmp"), [strip] { return titleLeft(strip); }});
    list.append({firstId + 2, prefix + QStringLiteral("right.bmp"), [strip] { return titleRight(strip); }});
}

QList<SkinPicture> buildList()
{
    QList<SkinPicture> list;
    addToolFamily(list, 1, QStringLiteral("about"), aboutIcon, false);
    addToolFamily(list, 4, QStringLiteral("back"), backIcon, true);
    addToolFamily(list, 8, QStringLiteral("close"), closeIcon, false);
    addToolFamily(list, 11, QStringLiteral("forward"), forwardIcon, true);
    addToolFamily(list, 15, QStringLiteral("home"), homeIcon, false);
    addToolFamily(list, 18, QStringLiteral("mark"), markIcon, true);
    addToolFamily(list, 22, QStringLiteral("print"), printIcon, false);
    addToolFamily(list, 25, QStringLiteral("report"), reportIcon, false);
    addToolFamily(list, 28, QStringLiteral("save"), saveIcon, true);
    addToolFamily(list, 32, QStringLiteral("setup"), setupIcon, false);
    addToolFamily(list, 35, QStringLiteral("trash"), trashIcon, false);

    list.append({41, QStringLiteral("tabs_back_off.bmp"), [] { return tab(false, false); }});
    list.append({42, QStringLiteral("tabs_back_on.bmp"), [] { return tab(false, true); }});
    list.append({43, QStringLiteral("tabs_front_off.bmp"), [] { return tab(true, false); }});
    list.append({44, QStringLiteral("tabs_front_on.bmp"), [] { return tab(true, true); }});

    list.append({45, QStringLiteral("border_bot.bmp"), [] { return frameBottom(); }});
    list.append({46, QStringLiteral("border_left.bmp"), [] { return frameSide(Side::Left); }});
    list.append({47, QStringLiteral("border_left_corners.bmp"), [] { return frameCorner(Side::Left); }});
    list.append({48, QStringLiteral("border_right.bmp"), [] { return frameSide(Side::Right); }});
    list.append({49, QStringLiteral("border_right_corners.bmp"), [] { return frameCorner(Side::Right); }});
    addTitleStrip(list, 50, QStringLiteral("border_top_"), Strip::Active);
    addTitleStrip(list, 53, QStringLiteral("border_white_top_"), Strip::Inactive);

    addWindowButtons(list, 56, QStringLiteral("prog_blue_"), WindowButtonLook::Hover);
    addWindowButtons(list, 60, QStringLiteral("prog_blueoff_"), WindowButtonLook::Resting);
    addWindowButtons(list, 64, QStringLiteral("prog_white_"), WindowButtonLook::Inactive);

    list.append({68, QStringLiteral("loadbutton_on.bmp"), [] { return loadButton(true); }});
    list.append({69, QStringLiteral("loadbutton_off.bmp"), [] { return loadButton(false); }});
    list.append({70, QStringLiteral("button_off.bmp"), [] { return plainButton(ButtonState::Off); }});
    list.append({71, QStringLiteral("button_on.bmp"), [] { return plainButton(ButtonState::On); }});
    list.append({72, QStringLiteral("button_pressed.bmp"), [] { return plainButton(ButtonState::Pressed); }});
    list.append({73, QStringLiteral("bottombg1.bmp"), [] { return bottomBand(BandKind::SecondAttemptBox); }});
    list.append({74, QStringLiteral("bottombg2.bmp"), [] { return bottomBand(BandKind::RemainingBox); }});
    list.append({75, QStringLiteral("bottombg3.bmp"), [] { return bottomBand(BandKind::StatusBox); }});
    list.append({76, QStringLiteral("bottombg4.bmp"), [] { return bottomBand(BandKind::MarkingBox); }});
    list.append({77, QStringLiteral("columnhead1.bmp"), [] { return columnHead(kTopicHead); }});
    list.append({78, QStringLiteral("columnhead2.bmp"), [] { return columnHead(kPaperHead); }});
    list.append({79, QStringLiteral("progressbar.bmp"), [] { return progressStep(); }});
    list.append({80, QStringLiteral("statusgrabber.bmp"), [] { return sizeGrip(); }});
    list.append({81, QStringLiteral("bullet.bmp"), [] { return bullet(); }});
    list.append({82, QStringLiteral("Handle.bmp"), [] { return sheetHandle(); }});
    list.append({83, QStringLiteral("pen.bmp"), [] { return penMark(); }});
    list.append({84, QStringLiteral("bar.bmp"), [] { return sectionBar(); }});
    list.append({85, QStringLiteral("KWicon.ico"), [] { return windowIcon(); }});
    list.append({86, QStringLiteral("pencil.ico"), [] { return pencilIcon(kWindowIcon); }});
    list.append({87, QStringLiteral("hand.ico"), [] { return handPointer(); }});
    list.append({88, QStringLiteral("info_mark.gif"), [] { return infoMark(); }});
    list.append({89, QStringLiteral("Logo.gif"), [] { return logo(); }});
    list.append({90, QStringLiteral("instruction.gif"), [] { return instruction(); }});
    list.append({91, QStringLiteral("Border_bot_left.gif"), [] { return dialogCorner(Side::Left); }});
    list.append({92, QStringLiteral("Border_bot_right.gif"), [] { return dialogCorner(Side::Right); }});
    return list;
}

} // namespace

const QList<SkinPicture> &skinPictures()
{
    static const QList<SkinPicture> list = buildList();
    return list;
}

} // namespace kw::skin
