#pragma once

namespace skin {

class TSkinIniReader;

// Reads the caption buttons: one per kept [BUTTON...] section in file order, then the three MDI
// buttons cut from the [MDICONTROLS] image.
class TTitleButtonReader {
public:
    explicit TTitleButtonReader(const TSkinIniReader &reader);

    void ReadTitleButtons() const; // ends with ReadMDIControls
    void ReadMDIControls() const;

private:
    const TSkinIniReader &reader;
};

} // namespace skin
