# CPack runs this once the programs are in its staging folder, stripped, and before it packs
# them: scripts/sign-windows.sh signs them there when the builder gives a certificate.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe")
if(programs)
  execute_process(COMMAND bash "${CPACK_PELMORA_SIGN_SCRIPT}" ${programs} COMMAND_ERROR_IS_FATAL ANY)
endif()
