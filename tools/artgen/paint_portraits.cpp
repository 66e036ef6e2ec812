// fontwind.pac: conversation portraits, 16 cells of 128x128 on each sheet, in the cells the story text
// asks for. Upper sheet: Hibana on 0-7 (0 plain, 1 grinning, 2 fierce, 3 startled, 4 downcast), Yoi on
// 9-15 (9 plain, 10 smiling, 11 resolute, 12 startled, 13 sorrowful). Lower sheet: Komachi on 0, 2, 3,
// Gensai on 1, 10, 11, the bosses defeated on 4-7, Tobari masked on 8 and unmasked on 9, the bosses
// arriving on 12-15.
#include "Figures.h"
#include "Sheet.h"

namespace art {

namespace {

using E = Expression;

struct Cell {
    const Look* look;
    Expression expression;
    Colour accent;
};

const Cell kSheet0[16] = {
    {&cast::kPilot0, E::Neutral, palette::kVermilion},   {&cast::kPilot0, E::Smile, palette::kVermilion},
    {&cast::kPilot0, E::Angry, palette::kVermilion},     {&cast::kPilot0, E::Surprised, palette::kVermilion},
    {&cast::kPilot0, E::Sad, palette::kVermilion},       {&cast::kPilot0, E::Determined, palette::kVermilion},
    {&cast::kPilot0, E::Joy, palette::kVermilion},       {&cast::kPilot0, E::Hurt, palette::kVermilion},
    {&cast::kPilot0, E::Neutral, palette::kGold},        {&cast::kPilot1, E::Neutral, palette::kTeal},
    {&cast::kPilot1, E::Smile, palette::kTeal},          {&cast::kPilot1, E::Determined, palette::kTeal},
    {&cast::kPilot1, E::Surprised, palette::kTeal},      {&cast::kPilot1, E::Sad, palette::kTeal},
    {&cast::kPilot1, E::Angry, palette::kTeal},          {&cast::kPilot1, E::Joy, palette::kTeal},
};

const Cell kSheet1[16] = {
    {&cast::kPartner0, E::Smile, palette::kAmber},      {&cast::kPartner1, E::Joy, palette::kTeal},
    {&cast::kPartner0, E::Neutral, palette::kAmber},    {&cast::kPartner0, E::Sad, palette::kAmber},
    {&cast::kBoss7, E::Hurt, palette::kViolet},         {&cast::kBoss9, E::Hurt, palette::kBulletBlue},
    {&cast::kBoss10, E::Sad, palette::kSilver},         {&cast::kBoss1, E::Hurt, palette::kVermilion},
    {&cast::kBoss8, E::Angry, palette::kLacquer},       {&cast::kBoss8Unmasked, E::Sad, palette::kLacquer},
    {&cast::kPartner1, E::Sad, palette::kTeal},         {&cast::kPartner1, E::Neutral, palette::kTeal},
    {&cast::kBoss7, E::Smile, palette::kViolet},        {&cast::kBoss1, E::Angry, palette::kVermilion},
    {&cast::kBoss9, E::Determined, palette::kBulletBlue}, {&cast::kBoss10, E::Neutral, palette::kSilver},
};

}  // namespace

void paintPortraits(const Sheet& sheet) {
    const Cell* cells = sheet.entry.index == 0 ? kSheet0 : kSheet1;
    for (int row = 0; row < 4; ++row) {
        const std::string id = "faces" + std::to_string(sheet.entry.index) + "row" + std::to_string(row);
        const Rect& strip = sheet.rect(id.c_str());
        for (int column = 0; column < 4; ++column) {
            const Cell& cell = cells[row * 4 + column];
            drawPortrait(sheet.cr, strip.cellX(column), strip.y0, 128, *cell.look, cell.expression, cell.accent);
        }
    }
}

}  // namespace art
