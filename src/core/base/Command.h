#pragma once

#include <QString>
#include <exception>
#include <functional>

// The failure contract of every window command. A command runs inside its slot through
// RunCommand: the silent abort ends it quietly, any other error shows one error box with its
// reason, and nothing escapes into the toolkit's signal dispatch.

// Shows the error in the one default error box; nothing for the silent abort.
void ShowError(std::exception_ptr error);
// The reason an error gives the operator; empty for the silent abort.
QString ErrorReason(std::exception_ptr error);

// Runs the command; true when it ran to its end.
bool RunCommand(const std::function<void()>& command);

// The save of an editor: true when the record was stored. When the store refuses (false) or
// fails (an error), the operator is told that nothing was saved and why, and the editor stays
// open with the operator's input.
bool RunSave(const std::function<bool()>& save);

// The message of a save that stored nothing, with its reason.
QString NothingSavedText(const QString& reason);
// The reason given when a store wrote no row: the record was changed or removed meanwhile.
QString RecordGoneReason();
