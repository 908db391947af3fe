#pragma once

#include <filesystem>
#include <memory>

#include "cadhost/model/document.h"

namespace quenmoor::cadhost {

// The host's own document files: readable JSON, for example
//
//   { "type": "part", "title": "bracket", "density": 7850,
//     "properties": [ { "name": "Material", "value": "Steel" } ],
//     "materialValues": [0.79, 0.82, 0.93, 1, 1, 0.5, 0.3125, 0, 0],
//     "features": [ { "name": "Base-Extrude", "kind": "extrude",
//                     "dimensions": [ { "name": "D1", "value": 80 } ] },
//                   { "name": "Hole-1", "kind": "hole", "position": [30, 0],
//                     "dimensions": [ { "name": "D1", "value": 8.5 } ] } ],
//     "components": [ { "name": "bracket-1", "part": "bracket.json", "materialValues": [...],
//                       "placement": [0, 0, 0, 90] } ],
//     "selection": [ "bracket-1" ],
//     "views": [ { "name": "Front", "source": "bracket.json" } ] }
//
// Every member but "type" may be left out; the title defaults to the file's name without
// its extension.

// Throws ComError naming the file and what is wrong with it; nothing is opened then.
std::shared_ptr<Document> loadDocument(const std::filesystem::path& path);

// Writes atomically (a temporary file beside it, then rename); throws ComError naming the
// file when it cannot be written, leaving the old file as it was.
void saveDocument(const Document& document, const std::filesystem::path& path);

}  // namespace quenmoor::cadhost
