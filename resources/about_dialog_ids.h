// Ids of the About dialog (see about_dialog.rc).
//   23300-23399  the About dialog, its controls and texts
#pragma once
