#pragma once
// The images of the folder tree. Images come in pairs (n, n + 1): the closed
// and the open form. A folder shows the open form while it is expanded or
// while it is the folder on display.

namespace gb::app {

namespace folder_image {
inline constexpr int Root = 1;
inline constexpr int Heading = 3;
inline constexpr int Folder = 5;
inline constexpr int CategoryNotSet = 7;
inline constexpr int CategorySet = 8;
inline constexpr int DeletedHeading = 9;
inline constexpr int WebLink = 11;
inline constexpr int SearchResults = 13;
inline constexpr int UserGuidePage = 15;
inline constexpr int Count = 17;  // image 0 is never shown
}  // namespace folder_image

// The closed image of a folder of `type`.
int FolderImage(int type, bool heading);

// The open form of an image: an odd (closed) image is raised by one.
inline int OpenImage(int image) {
    return image % 2 == 1 ? image + 1 : image;
}

}  // namespace gb::app
