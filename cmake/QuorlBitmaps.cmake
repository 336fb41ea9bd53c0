# quorl_bitmap_rc(OUT_VAR OUTPUT_DIR source.px...)
# Turns pixel-art bitmap sources into BMP files and a resource script
# OUTPUT_DIR/bitmaps.rc that names each by its id; OUT_VAR receives the
# script's path, for OBJECT_DEPENDS of the .rc that includes it.
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(quorl_bitmap_rc out_var output_dir)
    set(sources ${ARGN})
    add_custom_command(
        OUTPUT ${output_dir}/bitmaps.rc
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/tools/bmpgen.py
                --outdir ${output_dir} --rc ${output_dir}/bitmaps.rc ${sources}
        DEPENDS ${PROJECT_SOURCE_DIR}/tools/bmpgen.py ${sources}
        COMMENT "Drawing bitmaps into ${output_dir}"
        VERBATIM)
    set(${out_var} ${output_dir}/bitmaps.rc PARENT_SCOPE)
endfunction()
