#pragma once
// VLAN lists and the VLAN bitmaps of the MIB objects that carry one block of 512 VLANs as 128
// hexadecimal digits. Bit j of block b stands for VLAN 512 b + j + 1 and is bit 7 - (j mod 8)
// of octet j / 8: the first VLAN of the block is the most significant bit of the first octet.
// A list text is items separated by ",": a number "n" or an ascending range "a-b"; empty items
// are skipped, and "0" is the list of no VLAN.

#include <array>
#include <cstdint>
#include <string>

class QWidget;

inline constexpr int VlansPerBlock = 512;
// The highest VLAN ID: the last block's bitmap has bits for 4095 and 4096, which name no VLAN.
inline constexpr int MaxVlanId = 4094;

// One flag per VLAN of a block.
using VlanFlags = std::array<bool, VlansPerBlock>;

// Clears the flags, then sets the flag (v - 1) mod 512 of every VLAN v of the list, so that a VLAN
// of another block lands on the bit of its counterpart in this one. VLAN 0 sets no flag. False
// at a descending range. An item that is not a number raises EConvertError.
bool ParseVlanListText(const std::string& text, VlanFlags& flags);

// Eight flags as one octet, the first in the most significant bit.
std::uint8_t PackEightFlags(const bool* flags);

// The list text becomes the 128 upper-case hexadecimal digits of its bitmap; a text with a
// descending range stays as it is. An item that is not a number raises EConvertError.
void VlanListTextToHex(std::string& text);

// The list of the VLANs whose bits are set in the bitmap of block b ("0" when none is); a
// character that is no hexadecimal digit counts as 0, and an odd last digit is the high half of
// a last octet. With append, "[" + the hexadecimal text + "]" follows.
std::string VlanHexToListText(const std::string& hex, int block, bool append = false);

// The VLANs of block b as the windows caption it: "1-512", "513-1024" ... "3585-4094".
std::string VlanBlockCaption(int block);

// Whether the text is a list of numbers and ascending ranges that all lie in block b (VLAN IDs
// up to 4094), or "0" or nothing (the empty block). Only such texts convert to the bitmap the user sees in them.
bool IsVlanBlockListText(const std::string& text, int block);

// The check of a block's edit before its bitmap is written: false after the message
// "Please input a VLAN list within <caption>." when the text is no list of that block.
bool CheckVlanBlockText(QWidget* owner, const std::string& text, int block);
