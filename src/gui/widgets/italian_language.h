#pragma once

namespace ordavex {

// Makes Qt's own texts (file dialogs, their buttons and columns, context menus) and its number and
// date formats Italian, whatever the language of the system. Without Qt's Italian translations
// installed, those texts stay as Qt writes them.
void SpeakItalian();

}  // namespace ordavex
