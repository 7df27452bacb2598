# Every message box the game shows has its text, word for word as the box
# shows it, as a heading of the help's Messages page, where the player looks
# it up. The boxes are found in the sources (showMessage and askYesNo calls
# with a text id), their texts in the resource script.
#   cmake -DSOURCE_ROOT=... -P messages_quoted.cmake
if(NOT DEFINED SOURCE_ROOT)
    message(FATAL_ERROR "messages_quoted.cmake: SOURCE_ROOT is not set")
endif()

file(GLOB_RECURSE sources ${SOURCE_ROOT}/base/*.cpp ${SOURCE_ROOT}/model/*.cpp
     ${SOURCE_ROOT}/persist/*.cpp ${SOURCE_ROOT}/shell/*.cpp)
set(ids)
foreach(source IN LISTS sources)
    file(READ ${source} code)
    string(REGEX MATCHALL "(showMessage|askYesNo)\\([A-Za-z]+, *IDS_[A-Z_]+" calls "${code}")
    foreach(call IN LISTS calls)
        string(REGEX MATCH "IDS_[A-Z_]+" id "${call}")
        list(APPEND ids ${id})
    endforeach()
endforeach()
list(REMOVE_DUPLICATES ids)
list(LENGTH ids count)
if(count EQUAL 0)
    message(FATAL_ERROR "no message box found in the sources")
endif()

file(READ ${SOURCE_ROOT}/shell/res/dzarvek.rc resources)
file(READ ${SOURCE_ROOT}/help/messages.html page)
set(missing)
foreach(id IN LISTS ids)
    if(NOT resources MATCHES "[ \t]${id}[ \t]+\"([^\"]*)\"")
        message(FATAL_ERROR "${id} has no text in the resource script")
    endif()
    set(text "${CMAKE_MATCH_1}")
    string(FIND "${page}" "<dt>${text}</dt>" at)
    if(at EQUAL -1)
        list(APPEND missing "${id} \"${text}\"")
    endif()
endforeach()
if(missing)
    list(JOIN missing "\n  " missing)
    message(FATAL_ERROR "help/messages.html does not quote:\n  ${missing}")
endif()
message(STATUS "help/messages.html quotes all ${count} message boxes")
