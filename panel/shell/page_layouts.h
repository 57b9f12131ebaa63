#pragma once

// The page layout file that a tag of the main layout stands for (tag compared without regard to
// case); null for any other tag.
const wchar_t* PageLayoutFileForTag(const wchar_t* tag);
