#pragma once
// The packet content profile window: profiles of up to four chunks of a packet (each a state, a
// chunk number 0 to 31 and a 32-bit mask) listed, added and deleted. The columns a new profile
// writes are named by the chunks enabled; a listed Profile ID is left to the switch to refuse.

#include "features/acl/AclProfileFrame.h"

#include "ui_PktContentProfileForm.h"

#include <array>
#include <string>

class TPktContentProfileForm : public TAclProfileFrame, public Ui::PktContentProfileForm {
public:
    enum Column { RowStatusItem = 13, ProfileNameItem = 16 };

    explicit TPktContentProfileForm(QWidget* owner);

    // The chunk-state rule of the chunk whose state list changed: "enabled" enables its value and
    // mask, anything else disables and empties them.
    void cbbChunkStateChange(QObject* sender);

    void ClearInputs() override;
    bool ValidateInputs() override;
    // No duplicate test: the switch refuses a Profile ID it has.
    bool IsDuplicateProfile() override { return false; }
    // The value and mask of every disabled chunk, and an empty name, stay out.
    void MarkSkippedColumns(SkippedColumns& skipped) override;

    // A chunk's mask: empty, or at most eight hexadecimal digits (no "0x").
    static bool CheckOffsetText(const std::string& text);

protected:
    void BindColumns() override;
    void DefaultIndices() override;
    void ResetRules() override { SelectionRules(); }
    void SelectionRules() override;

private:
    struct Chunk {
        ui::ComboBox* State;
        ui::Edit* Value;
        ui::Edit* Offset;
        int ValueColumn;
    };
    std::array<Chunk, 4> Chunks() const;
    static void ChunkStateRule(const Chunk& chunk);
};

// The window while its menu item shows it.
extern TPktContentProfileForm* PktContentProfileForm;
