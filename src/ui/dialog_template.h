#pragma once
// The in-memory dialog template that the platform's dialog manager turns into
// a dialog window and its controls: one header record followed by one item
// record per control, in the order of the controls.
//
// Numbers are little-endian; coordinates, sizes, the item count and the
// identifier are dialog units stored as their low 16 bits. Texts are 8-bit
// texts of the ANSI code page, stored as UTF-16 with a terminating 0; a text
// ends at its first NUL byte. Every record is padded with zero bytes to a
// multiple of 4, so records are appended one after the other as they come.

#include <cstdint>
#include <optional>
#include <string>

namespace qvz::ui {

// The header of a dialog with nItems controls that spans nLeft..nRight and
// nTop..nBottom (both edges inside), titled cCaption, with no menu and the
// platform's dialog class. Two short style codes are expanded: 2 becomes
// 0x80000002 with extended style 0x20, and 0x10000000 becomes 0xC0000000.
// A point size or a face name puts both font fields after the title, 0 and ""
// standing for the one left out; the platform reads them only when nStyle has
// DS_SETFONT, which is not added here.
std::string CDLG2CHR(int nItems, int nTop, int nLeft, int nBottom, int nRight,
                     const std::string& cCaption, std::uint32_t nStyle,
                     std::optional<int> nPointSize = std::nullopt,
                     std::optional<std::string> cFaceName = std::nullopt);

// The item of one control of window class cClass (for example "EDIT") with
// identifier nId and title cCaption, spanning nLeft..nRight and nTop..nBottom,
// with no creation data. "" when no memory could be had for it: a caller must
// then not assemble a template, whose header would count an item that is not
// there.
std::string CCTRL2CHR(int nTop, int nLeft, int nBottom, int nRight, int nId,
                      std::uint32_t nStyle, const std::string& cClass, const std::string& cCaption);

}  // namespace qvz::ui
