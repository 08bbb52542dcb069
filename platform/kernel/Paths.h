#pragma once
// The program builds paths with backslashes; here they become slashes, and the doubled
// separator that joining "folder\" with "\name" gives is accepted as one.

#include <string>

std::string ToNativePath(const std::string& path);
