// The expected key sequences of loading and saving, spelled out from the
// key tables so that tests can compare the store's traffic with them.
#pragma once
#include <string>
#include <vector>

#include "editions/profile.h"

// Every key LoadSettings reads, in order, for an edition whose labels have
// the given extension style counts and with the given pattern count.
std::vector<std::string> ExpectedLoadOrder(const EditionProfile& edition, const std::vector<int>& extStyles,
                                           int patterns);
// Every key SaveSettings writes, in order.
std::vector<std::string> ExpectedSaveOrder(const EditionProfile& edition, const std::vector<int>& extStyles,
                                           int patterns);
