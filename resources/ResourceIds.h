/* Resource numbers of the program's icon and embedded skin images, shared by getlink.rc
   and the code that loads them. */
#ifndef GETLINK_RESOURCE_IDS_H
#define GETLINK_RESOURCE_IDS_H

#define GETLINK_PROGRAM_ICON 129

#define GETLINK_CAPTION_BUTTONS 201
#define GETLINK_MESSAGE_BOX_SKIN 202
#define GETLINK_MESSAGE_BOX_ICONS 203
#define GETLINK_COMBO_BOX_SKIN 204
#define GETLINK_COMBO_BOX_ARROW 205
#define GETLINK_MENU_CHECK 206

#endif
