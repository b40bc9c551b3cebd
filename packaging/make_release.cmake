# Makes the release from the built program: the installer, the portable zip and the winget and
# Scoop manifests with the artefacts' SHA-256 digests. Run by the build as
#   cmake -DBIN=... -DRELEASE=... -DSOURCE=... -DVERSION=... -DPRODUCT=... -DCOMPANY=...
#         -DWEBSITE=... -DBASE_URL=... -DMAKENSIS=... [-DLANGUAGE_DATE=seconds]
#         [-DUPGRADE_BASE_VERSION=x.y.z] -P make_release.cmake
# LANGUAGE_DATE is the language file's last change: the installer replaces an installed
# language file only with a newer one. UPGRADE_BASE_VERSION also makes an installer of the same
# files under an older version, which the install test upgrades from.
cmake_minimum_required(VERSION 3.25)

foreach(required BIN RELEASE SOURCE VERSION PRODUCT COMPANY WEBSITE BASE_URL MAKENSIS)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "make_release.cmake: ${required} is not given")
  endif()
endforeach()

set(stage ${RELEASE}/stage)
set(files curfew.exe curfewctl.exe Help.chm Localization.xml)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/data)
foreach(name IN LISTS files)
  file(COPY_FILE ${BIN}/${name} ${stage}/${name})
endforeach()
if(LANGUAGE_DATE)
  execute_process(COMMAND touch -d @${LANGUAGE_DATE} ${stage}/Localization.xml COMMAND_ERROR_IS_FATAL ANY)
endif()

function(make_installer version outfile)
  get_filename_component(folder ${outfile} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  execute_process(
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -NOCD
            -DPRODUCT=${PRODUCT} -DCOMPANY=${COMPANY} -DWEBSITE=${WEBSITE} -DVERSION=${version}
            -DINSTANCE=${PRODUCT}.${COMPANY}.Running -DSTAGE=${stage} -DICON=${SOURCE}/resources/curfew.ico
            -DOUTFILE=${outfile} ${SOURCE}/resources/installer/curfew.nsi
    WORKING_DIRECTORY ${SOURCE}/resources/installer
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "makensis failed (${result}) for ${outfile}")
  endif()
endfunction()

set(installer_name curfew-${VERSION}-setup.exe)
set(portable_name curfew-${VERSION}-portable.zip)
make_installer(${VERSION} ${RELEASE}/${installer_name})
if(UPGRADE_BASE_VERSION)
  make_installer(${UPGRADE_BASE_VERSION} ${RELEASE}/upgrade-base/curfew-${UPGRADE_BASE_VERSION}-setup.exe)
endif()

file(REMOVE ${RELEASE}/${portable_name})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${RELEASE}/${portable_name} --format=zip -- ${files} data
                WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)

# The manifests, from the templates in packaging/.
file(SHA256 ${RELEASE}/${installer_name} INSTALLER_SHA256)
file(SHA256 ${RELEASE}/${portable_name} PORTABLE_SHA256_LOWER)
string(TOUPPER ${INSTALLER_SHA256} INSTALLER_SHA256)
string(TOUPPER ${PORTABLE_SHA256_LOWER} PORTABLE_SHA256)
set(INSTALLER_URL ${BASE_URL}/${installer_name})
set(PORTABLE_URL ${BASE_URL}/${portable_name})
string(REPLACE " " "" WINGET_PUBLISHER "${COMPANY}")
set(WINGET_ID ${WINGET_PUBLISHER}.${PRODUCT})
string(SUBSTRING ${WINGET_PUBLISHER} 0 1 initial)
string(TOLOWER ${initial} initial)
set(winget_dir ${RELEASE}/manifests/winget/manifests/${initial}/${WINGET_PUBLISHER}/${PRODUCT}/${VERSION})
file(REMOVE_RECURSE ${RELEASE}/manifests)
foreach(part "" ".installer" ".locale.en-US")
  configure_file(${SOURCE}/packaging/winget/CurfewTeam.Curfew${part}.yaml.in ${winget_dir}/${WINGET_ID}${part}.yaml
                 @ONLY NEWLINE_STYLE UNIX)
endforeach()
configure_file(${SOURCE}/packaging/scoop/curfew.json.in ${RELEASE}/manifests/scoop/curfew.json @ONLY NEWLINE_STYLE UNIX)
