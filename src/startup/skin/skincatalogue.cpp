#include "skincatalogue.h"

#include "skinfamilies.h"
#include "skintheme.h"

namespace kw::skin {

namespace {

// The tool-bar button family `name`: off, on, pressed and, when it can be
// switched off, disabled.
void AddToolFamily(QList<SkinPicture> &list, int firstId, const QString &name, IconPainter icon,
                   bool withDisabled)
{
    int id = firstId;
    if (withDisabled)
        list.append({id++, name + QStringLiteral("_disabled.bmp"), [icon] { return ToolButton(icon, ButtonState::Disabled); }});
    list.append({id++, name + QStringLiteral("_off.bmp"), [icon] { return ToolButton(icon, ButtonState::Off); }});
    list.append({id++, name + QStringLiteral("_on.bmp"), [icon] { return ToolButton(icon, ButtonState::On); }});
    list.append({id++, name + QStringLiteral("_pressed.bmp"), [icon] { return ToolButton(icon, ButtonState::Pressed); }});
}

void AddWindowButtons(QList<SkinPicture> &list, int firstId, const QString &prefix, WindowButtonLook look)
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
                     [glyph, look] { return WindowButton(glyph, look); }});
    }
}

QList<SkinPicture> BuildList()
{
    QList<SkinPicture> list;
    AddToolFamily(list, 1, QStringLiteral("about"), AboutIcon, false);
    AddToolFamily(list, 4, QStringLiteral("back"), BackIcon, true);
    AddToolFamily(list, 8, QStringLiteral("close"), CloseIcon, false);
    AddToolFamily(list, 11, QStringLiteral("forward"), ForwardIcon, true);
    AddToolFamily(list, 15, QStringLiteral("home"), HomeIcon, false);
    AddToolFamily(list, 18, QStringLiteral("mark"), MarkIcon, true);
    AddToolFamily(list, 22, QStringLiteral("print"), PrintIcon, false);
    AddToolFamily(list, 25, QStringLiteral("report"), ReportIcon, false);
    AddToolFamily(list, 28, QStringLiteral("save"), SaveIcon, true);
    AddToolFamily(list, 32, QStringLiteral("setup"), SetupIcon, false);
    AddToolFamily(list, 35, QStringLiteral("trash"), TrashIcon, false);

    list.append({41, QStringLiteral("tabs_back_off.bmp"), [] { return Tab(false, false); }});
    list.append({42, QStringLiteral("tabs_back_on.bmp"), [] { return Tab(false, true); }});
    list.append({43, QStringLiteral("tabs_front_off.bmp"), [] { return Tab(true, false); }});
    list.append({44, QStringLiteral("tabs_front_on.bmp"), [] { return Tab(true, true); }});

    list.append({45, QStringLiteral("border_bot.bmp"), [] { return FrameBottom(); }});
    list.append({46, QStringLiteral("border_left.bmp"), [] { return FrameSide(Side::Left); }});
    list.append({47, QStringLiteral("border_left_corners.bmp"), [] { return FrameCorner(Side::Left); }});
    list.append({48, QStringLiteral("border_right.bmp"), [] { return FrameSide(Side::Right); }});
    list.append({49, QStringLiteral("border_right_corners.bmp"), [] { return FrameCorner(Side::Right); }});
    list.append({50, QStringLiteral("border_top_center.bmp"), [] { return TitleCentre(Strip::Active); }});
    list.append({51, QStringLiteral("border_top_left.bmp"), [] { return TitleLeft(Strip::Active); }});
    list.append({52, QStringLiteral("border_top_right.bmp"), [] { return TitleRight(Strip::Active); }});
    list.append({53, QStringLiteral("border_white_top_center.bmp"), [] { return TitleCentre(Strip::Inactive); }});
    list.append({54, QStringLiteral("border_white_top_left.bmp"), [] { return TitleLeft(Strip::Inactive); }});
    list.append({55, QStringLiteral("border_white_top_right.bmp"), [] { return TitleRight(Strip::Inactive); }});

    AddWindowButtons(list, 56, QStringLiteral("prog_blue_"), WindowButtonLook::Hover);
    AddWindowButtons(list, 60, QStringLiteral("prog_blueoff_"), WindowButtonLook::Resting);
    AddWindowButtons(list, 64, QStringLiteral("prog_white_"), WindowButtonLook::Inactive);

    list.append({68, QStringLiteral("loadbutton_on.bmp"), [] { return LoadButton(true); }});
    list.append({69, QStringLiteral("loadbutton_off.bmp"), [] { return LoadButton(false); }});
    list.append({70, QStringLiteral("button_off.bmp"), [] { return PlainButton(ButtonState::Off); }});
    list.append({71, QStringLiteral("button_on.bmp"), [] { return PlainButton(ButtonState::On); }});
    list.append({72, QStringLiteral("button_pressed.bmp"), [] { return PlainButton(ButtonState::Pressed); }});
    list.append({73, QStringLiteral("bottombg1.bmp"), [] { return BottomBand(BandKind::SecondAttemptBox); }});
    list.append({74, QStringLiteral("bottombg2.bmp"), [] { return BottomBand(BandKind::RemainingBox); }});
    list.append({75, QStringLiteral("bottombg3.bmp"), [] { return BottomBand(BandKind::StatusBox); }});
    list.append({76, QStringLiteral("bottombg4.bmp"), [] { return BottomBand(BandKind::MarkingBox); }});
    list.append({77, QStringLiteral("columnhead1.bmp"), [] { return ColumnHead(kTopicHead); }});
    list.append({78, QStringLiteral("columnhead2.bmp"), [] { return ColumnHead(kPaperHead); }});
    list.append({79, QStringLiteral("progressbar.bmp"), [] { return ProgressStep(); }});
    list.append({80, QStringLiteral("statusgrabber.bmp"), [] { return SizeGrip(); }});
    list.append({81, QStringLiteral("bullet.bmp"), [] { return Bullet(); }});
    list.append({82, QStringLiteral("Handle.bmp"), [] { return SheetHandle(); }});
    list.append({83, QStringLiteral("pen.bmp"), [] { return PenMark(); }});
    list.append({84, QStringLiteral("bar.bmp"), [] { return SectionBar(); }});
    list.append({85, QStringLiteral("KWicon.ico"), [] { return WindowIcon(); }});
    list.append({86, QStringLiteral("pencil.ico"), [] { return PencilIcon(kWindowIcon); }});
    list.append({87, QStringLiteral("hand.ico"), [] { return HandPointer(); }});
    list.append({88, QStringLiteral("info_mark.gif"), [] { return InfoMark(); }});
    list.append({89, QStringLiteral("Logo.gif"), [] { return Logo(); }});
    list.append({90, QStringLiteral("instruction.gif"), [] { return Instruction(); }});
    list.append({91, QStringLiteral("Border_bot_left.gif"), [] { return DialogCorner(Side::Left); }});
    list.append({92, QStringLiteral("Border_bot_right.gif"), [] { return DialogCorner(Side::Right); }});
    return list;
}

} // namespace

const QList<SkinPicture> &SkinPictures()
{
    static const QList<SkinPicture> list = BuildList();
    return list;
}

} // namespace kw::skin
