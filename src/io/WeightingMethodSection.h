// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class INIFile;
class VeltraneTopic;

// The topic file's section of the weighting method applied last, after the options:
//
//   [WeightingMethod]
//   Method=Compare          Rank, Swing or Compare
//   Pair0_1=3               Compare: how much more attribute 0 matters than 1, 1/9 to 9
//   Pair0_2=1/5             (a judgement below 1 as 1/x)
//   Rank0=1                 Rank: 1 = most important, ties allowed, 1 to the number of attributes
//   Points0=100             Swing: 0 to 100, at least one above 0
//
// Only the applied method's keys are written, one per attribute (one per pair for Compare);
// a topic without a method has no such section, so its file is as it always was.
namespace WeightingMethodSection {

void Write(INIFile &ini, const VeltraneTopic &topic);

// Reads the section into topic when the file has one. A missing or bad value, or a key
// for an attribute the topic does not have, raises an error whose description names the
// key; the topic is then left as it was.
void Read(const INIFile &ini, VeltraneTopic &topic);

} // namespace WeightingMethodSection
