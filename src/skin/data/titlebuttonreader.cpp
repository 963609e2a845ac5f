#include "skin/data/titlebuttonreader.h"

#include "skin/data/skininikeys.h"
#include "skin/data/skinobjects.h"
#include "skin/data/tdataskinsysbutton.h"
#include "skin/data/tquickini.h"
#include "skin/data/tskininireader.h"

#include <algorithm>
#include <optional>

namespace skin {

namespace section = ini::section;
namespace key = ini::key;

namespace {

bool IsCaptionButtonSection(const QString &name) {
    const QString upper = name.toUpper();
    if (!upper.startsWith(section::CaptionButtonPrefix))
        return false;
    return std::none_of(std::begin(section::NotCaptionButtons),
                        std::end(section::NotCaptionButtons),
                        [&upper](ini::Name other) { return upper == other; });
}

} // namespace

TTitleButtonReader::TTitleButtonReader(const TSkinIniReader &reader) : reader(reader) {}

void TTitleButtonReader::ReadTitleButtons() const {
    SkinObjects &data = reader.Data();
    const TQuickIni &ini = reader.Ini();
    data.TitleButtons.clear();

    QStringList kept;
    for (const QString &name : reader.Sections()) {
        if (!IsCaptionButtonSection(name))
            continue;
        const int action = ini.ReadInteger(name, key::Action, 0);
        const int visibility = ini.ReadInteger(name, key::Visibility, -1);
        if (action == cbaNone && visibility != 0)
            continue;
        kept.append(name);
    }

    std::optional<QPoint> maximizePlace;
    QString lastName;
    for (const QString &section : kept) {
        lastName = section.toUpper();
        auto b = std::make_unique<TDataSkinSysButton>(lastName);
        b->Action = ini.ReadInteger(section, key::Action, 0);
        b->Align = ini.ReadInteger(section, key::Align, 0);
        b->Xcoord = ini.ReadInteger(section, key::Xcoord, 0);
        b->Ycoord = ini.ReadInteger(section, key::Ycoord, 0);
        b->Visibility = ini.ReadInteger(section, key::Visibility, 0);
        b->Visibility1 = ini.ReadInteger(section, key::Visibility1, b->Action == cbaNone ? -1 : 0);
        if (b->Action == cbaMaximize && b->Visibility == 2)
            maximizePlace = QPoint(b->Xcoord, b->Ycoord);
        // The help button takes the maximize button's place; with none before it, its own.
        if (b->Action == cbaHelp && maximizePlace) {
            b->Xcoord = maximizePlace->x();
            b->Ycoord = maximizePlace->y();
        }
        b->CombineOp = ini.ReadInteger(section, key::CombineOp, -1);
        b->Frame = ini.ReadInteger(section, key::ButtonFrame, 0);
        reader.LoadSkinBitmap(b->Image, ini.ReadString(section, key::ButtonImage, QString()));
        if (b->Frame == 0) {
            b->Frame = 6;
            if (b->HasImage())
                b->Frame = double(b->Image.width()) / b->Image.height() <= 3.8 ? 3 : 6;
            if (b->Action < 0)
                b->Frame = 6;
            if (b->ShowsWindowIcon())
                b->Image = QImage();
        }
        data.TitleButtons.push_back(std::move(b));
    }

    for (int action : {cbaMDIMinimize, cbaMDIRestore, cbaMDIClose}) {
        auto b = std::make_unique<TDataSkinSysButton>(lastName);
        b->Action = action;
        b->Align = MDIButtonPlacement;
        b->Visibility = MDIButtonPlacement;
        b->Visibility1 = MDIButtonPlacement;
        b->Frame = 4;
        data.TitleButtons.push_back(std::move(b));
    }
    ReadMDIControls();
}

void TTitleButtonReader::ReadMDIControls() const {
    SkinObjects &data = reader.Data();
    if (data.TitleButtons.size() < 3)
        return;
    QImage source;
    reader.LoadSkinBitmap(source,
                          reader.Ini().ReadString(section::MDIControls, key::Image, QString()));
    if (source.isNull())
        return;
    const int w = source.width() / 12;
    const int h = source.height();
    const size_t first = data.TitleButtons.size() - 3;
    for (int k = 0; k < 3; ++k) {
        TDataSkinSysButton &b = *data.TitleButtons[first + k];
        b.Image = w > 0 ? source.copy(4 * k * w, 0, 4 * w, h) : QImage();
        b.Xcoord = (3 - k) * (w + 4);
    }
}

} // namespace skin
