// A site that takes the PAD file and the program file as multipart uploads.
#include <httplib.h>

#include "sim_server.h"
#include "sites/field_checks.h"
#include "sites/sites.h"

namespace sitesim {

void AddUploadSite(SimServer& server)
{
    server.Post("upload", "/upload/pad.php", [](Exchange& exchange) {
        // The server library has parsed the body as multipart/form-data, or refused it with 400.
        if (exchange.request.get_header_value("Content-Type").rfind("multipart/form-data; boundary=", 0) !=
            0) {
            exchange.Page("<h2>Please upload the files</h2>");
            return;
        }
        const FormField* pad = exchange.form.File("padfile");
        const FormField* program = exchange.form.File("program");
        const std::string name = exchange.form.Value("name");
        std::string problem;
        if (pad == nullptr || pad->filename->empty()) {
            problem = "No PAD file was uploaded";
        } else if (pad->value.find("<XML_DIZ_INFO>") == std::string::npos ||
                   pad->value.find("<Program_Name>" + name + "</Program_Name>") == std::string::npos) {
            problem = "The PAD file is not valid for " + name;
        } else if (program == nullptr || program->filename->empty()) {
            problem = "No program file was uploaded";
        } else if (std::to_string(program->value.size()) != exchange.form.Value("size")) {
            problem = "The program file is " + std::to_string(program->value.size()) + " bytes, not " +
                      exchange.form.Value("size");
        }
        exchange.Page(problem.empty() ? "<h2>PAD file accepted</h2>" : "<h2>" + problem + "</h2>");
    });
}

} // namespace sitesim
