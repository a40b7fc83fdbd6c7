#pragma once

#include "ListBuilder.h"
#include "list/TextCodec.h"

#include <optional>
#include <string>
#include <string_view>

namespace dk::mkdk {

// A list written as indented text, for fixtures and the bundled example:
//
//   header "Disk C"                      (optional)
//   root "C:\" size=0                    (optional; "C:\" by default)
//   D Docs                               an entry under the root
//     F "read me.txt" size=1536 attr=0x21 mark=1 comment="Отчёт"
//
// Each line is a kind (D, F or any other single character), a name (quoted
// when it holds blanks), then fields: size created modified comment attr mark
// strike marked reserved (12 hex digits), and lci and level to pin values the
// tree would otherwise imply. Two more blanks of indentation put an entry
// under the entry above it. Texts are UTF-8 and are encoded with `codec`.
std::optional<ListBuilder> ParseDescription(std::string_view text, const TextCodec& codec,
                                            std::string* error = nullptr);

} // namespace dk::mkdk
