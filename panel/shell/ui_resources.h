#pragma once

// Points the UI library at the skin folder beside the program ("skin\", index "res.xml") and
// registers the panel's own controls.
void SetUpUiResources();
