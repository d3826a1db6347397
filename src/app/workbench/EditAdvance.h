#pragma once

/// Where the selection goes after a target is committed from the keyboard.
enum class EditAdvance
{
    Stay,            ///< focus left the editor
    NextRow,         ///< Return
    NextUntranslated ///< Ctrl+Return: also confirms the target, clearing a review mark
};
