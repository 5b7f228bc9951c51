// Stand-ins until the dialogs land.
