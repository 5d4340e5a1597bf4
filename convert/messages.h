// messages.h -- the texts of the conversion's message boxes.
#pragma once

// The three checks before a conversion starts.
inline constexpr char kNoInputText[] = " es wurde keine Eingabedatei angegeben";
inline constexpr char kNoOutputText[] = " es wurde keine Ausgabedatei angegeben";
inline constexpr char kSameTablesText[] = "Eingabe- und Ausgabedatei dürfen nicht gleich sein";
