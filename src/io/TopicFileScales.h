// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class INIFile;
class VeltraneTopic;

// The keys of a topic file that hold measured values: an attribute's unit, anchors and
// break points (or the lower-is-better mark of one rated by hand) after its name and
// weighting, and a cell's value after its rating. A topic that measures nothing and
// counts nothing against writes none of them, so its file stays as it always was.
namespace TopicFileScales {

void WriteAttribute(INIFile &ini, const VeltraneTopic &topic, int16_t attributeID);
void WriteValue(INIFile &ini, const VeltraneTopic &topic, int16_t optionID, int16_t attributeID);

// Reads them for every attribute and option the topic has, after its ratings: a value
// re-rates its cell. Anything that does not make a valid scale or value throws a
// VeltraneError whose description names the key and its section.
void Read(const INIFile &ini, VeltraneTopic &topic);

} // namespace TopicFileScales
