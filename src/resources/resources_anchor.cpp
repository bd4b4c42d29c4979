// Gives the resource library a translation unit even before any resource file exists.
