// Ids of the texts of the 8.3 name-creation setting and of file-system redirection (see name_creation.rc).
//   23000-23049  8.3 name-creation reports and their failures
//   23050-23099  file-system redirection reports
#pragma once

#define IDS_NC_REPORT_HEAD 23000
#define IDS_NC_SYSVOL_ONLY_REPORT 23001
#define IDS_NC_ENABLED_REPORT 23002
#define IDS_NC_DISABLED_REPORT 23003
#define IDS_NC_ACTIVATION_FAILED 23004
#define IDS_NC_DISABLING_FAILED 23005

#define IDS_REDIR_REPORT_HEAD 23050
#define IDS_REDIR_DISABLED 23051
#define IDS_REDIR_DISABLED_NOTE 23052
#define IDS_REDIR_ENABLED 23053
#define IDS_REDIR_ENABLED_NOTE 23054
