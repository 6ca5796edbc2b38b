#pragma once

// The key rules of the random-group fields, applied to the window's widgets: the
// character-set field with its three buttons, "Anzahl:" and the repeat field with their
// spin buttons. The rules themselves live in material/group_field_rules.h.

namespace dittaro {

class CharacterSetControls;
class PracticeControls;

// Only characters a set may hold, one per key stroke; leaving the field cleans it. The
// buttons append their characters and put the focus into the field.
void installCharacterSetKeys(CharacterSetControls& controls);

// "Anzahl:" (2..99) and the repeat field (1..3): their keys; Enter and leaving the field
// confirm the value into the field and its spin buttons; the arrows write theirs back.
void installGroupCountKeys(PracticeControls& controls);

// The values as they would be confirmed now (a field may still hold unconfirmed text).
int confirmedGroupCountOf(const PracticeControls& controls);
int confirmedRepeatOf(const PracticeControls& controls);

} // namespace dittaro
