// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the simulated receiver's memory comes from and where a written
// image goes: the receiver's factory contents, and .acf data files
// (line 1 model and sub code, "#" comment lines, records of address,
// count and data bytes in hexadecimal, CR LF line ends).

#include <string>

#include "image/eeprom.h"
#include "sim/sim_receiver.h"

// The format tag every receiver keeps in its last 16 bytes.
inline constexpr const char* kFormatTag = "ArdoCloneFormat3";
inline constexpr std::int32_t kFormatTagAdr = 0x1F70;

// The memory a receiver of that setup leaves the factory with.
void MakeStartImage(const ReceiverSetup& setup, clsCmcEeprom& image);

// Writes the whole image as a data file (the program's own writer); false
// when the file could not be written.
bool SaveImageFile(const std::string& path, const clsCmcEeprom& image);

// Reads a data file into the image with the program's own loader: the file
// must be for this receiver model, give every byte and carry the format
// tag. On failure the image is left unchanged and error says why.
bool LoadImageFile(const std::string& path, clsCmcEeprom& image, std::string& error);
