#include "features/acl/PktContentProfileForm.h"

#include "ui/ComboBox.h"
#include "ui/Edit.h"

#include <cctype>

TPktContentProfileForm* PktContentProfileForm = nullptr;

namespace {

const ProfileFrameSettings PktContentProfileSettings = {
    .TableOid = "1.3.6.1.4.1.171.12.9.2.8.1.1",
    .RowStatusColumn = TPktContentProfileForm::RowStatusItem,
    .ReadAfterFailedSend = false,
    .ReadAfterFailedDelete = true,
};

constexpr int EnabledIndex = 0;

} // namespace

TPktContentProfileForm::TPktContentProfileForm(QWidget* owner) : TAclProfileFrame(owner, PktContentProfileSettings)
{
    setupUi(this);
    Loaded();
    InitBasicForm();
    InitWindow();
    lblPlofileID->SetCaption("Profile ID (1-512)");
    UseComponents({
        .List = ListView1,
        .RowCount = Static,
        .Status = StatusBar1,
        .GetButton = GetButton,
        .AddButton = btnAdd,
        .DeleteButton = btnDelete,
        .CloseButton = CloseButton,
        .ProfileIDEdit = edtProfileID,
        .ProfileNameEdit = edtProfileName,
        .RowStatusComboBox = cbbRowStatus,
        .ReadOnlyControls = {edtEntries, cbbOwner},
        .OptionalEdits = {{ProfileNameItem, edtProfileName}},
    });
    for (const Chunk& chunk : Chunks())
        chunk.State->OnChange = ui::Handler(this, &TPktContentProfileForm::cbbChunkStateChange);
    DoCreate();
}

std::array<TPktContentProfileForm::Chunk, 4> TPktContentProfileForm::Chunks() const
{
    return {{
        {cbbChunk1State, edtChunk1Value, edtChunk1Offset, 2},
        {cbbChunk2State, edtChunk2Value, edtChunk2Offset, 5},
        {cbbChunk3State, edtChunk3Value, edtChunk3Offset, 8},
        {cbbChunk4State, edtChunk4Value, edtChunk4Offset, 11},
    }};
}

void TPktContentProfileForm::BindColumns()
{
    // Bound on the request alone: the write names its columns by the chunks.
    TAclProfileFrame::BindColumns(
        {
            {0, "%i{n1x512l3}", edtProfileID},
            {1, nullptr, cbbChunk1State},
            {2, "%i{n0x31l2}", edtChunk1Value},
            {3, "%h{l8}", edtChunk1Offset},
            {4, nullptr, cbbChunk2State},
            {5, "%i{n0x31l2}", edtChunk2Value},
            {6, "%h{l8}", edtChunk2Offset},
            {7, nullptr, cbbChunk3State},
            {8, "%i{n0x31l2}", edtChunk3Value},
            {9, "%h{l8}", edtChunk3Offset},
            {10, nullptr, cbbChunk4State},
            {11, "%i{n0x31l2}", edtChunk4Value},
            {12, "%h{l8}", edtChunk4Offset},
            {13, nullptr, cbbRowStatus},
            {14, nullptr, cbbOwner},
            {15, "%i", edtEntries},
            {16, "%s", edtProfileName},
        },
        false);
}

void TPktContentProfileForm::DefaultIndices()
{
    for (const Chunk& chunk : Chunks())
        chunk.State->SetItemIndex(1);
    cbbOwner->SetItemIndex(1);
    cbbRowStatus->SetItemIndex(CreateAndGoIndex);
}

void TPktContentProfileForm::ClearInputs()
{
    // The lists keep their choices.
    for (ui::Edit* edit : {edtProfileID, edtEntries, edtProfileName})
        edit->SetText("");
    for (const Chunk& chunk : Chunks()) {
        chunk.Value->SetText("");
        chunk.Offset->SetText("");
    }
    ShowRowCount();
}

// --- the chunk-state rule

void TPktContentProfileForm::ChunkStateRule(const Chunk& chunk)
{
    if (chunk.State->ItemIndex() == EnabledIndex)
        EnableControls({chunk.Value, chunk.Offset});
    else
        DisableControls({chunk.Value, chunk.Offset});
}

void TPktContentProfileForm::cbbChunkStateChange(QObject* sender)
{
    for (const Chunk& chunk : Chunks())
        if (chunk.State == sender)
            ChunkStateRule(chunk);
}

void TPktContentProfileForm::SelectionRules()
{
    for (const Chunk& chunk : Chunks())
        ChunkStateRule(chunk);
}

// --- the checks and the write

bool TPktContentProfileForm::CheckOffsetText(const std::string& text)
{
    if (text.size() > 8)
        return false;
    for (const char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

bool TPktContentProfileForm::ValidateInputs()
{
    if (!RequireText(edtProfileID, "Profile ID must be set."))
        return false;
    bool anyEnabled = false;
    int number = 0;
    for (const Chunk& chunk : Chunks()) {
        const std::string n = std::to_string(++number);
        if (chunk.State->ItemIndex() != EnabledIndex)
            continue;
        anyEnabled = true;
        if (!RequireText(chunk.Value, "Please specify Chunk " + n + " Value.") ||
            !RequireText(chunk.Offset, "Please specify Chunk " + n + " Offset."))
            return false;
        if (!CheckOffsetText(chunk.Offset->Text())) {
            Say("Chunk " + n + " Offset error.");
            FocusIfEnabled(chunk.Offset);
            return false;
        }
    }
    if (!anyEnabled)
        Say("Please specify at least one Chunk.");
    return anyEnabled;
}

void TPktContentProfileForm::MarkSkippedColumns(SkippedColumns& skipped)
{
    for (const Chunk& chunk : Chunks()) {
        if (chunk.State->ItemIndex() != EnabledIndex) {
            skipped.Skip(chunk.ValueColumn);
            skipped.Skip(chunk.ValueColumn + 1);
        }
    }
    TAclProfileFrame::MarkSkippedColumns(skipped);
}
